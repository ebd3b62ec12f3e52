#pragma once
#include <QByteArray>
#include <QString>

class AutosaveManager;

// What the autosave needs of one open document. The manager calls these on the UI thread only,
// when a copy is due. A source registered with a manager leaves it by itself when destroyed.
class AutosaveSource {
 public:
  virtual ~AutosaveSource();

  // The title as the document shows it: "Noname.kdl" for a document never saved, else its file.
  virtual QString AutosaveTitle() const = 0;
  // The file Save writes to; empty when there is none yet.
  virtual QString AutosaveFilePath() const = 0;
  // Whether the document differs from its file (a document back at its saved state has no copy).
  virtual bool AutosaveModified() const = 0;
  // Whether a mouse drag is in progress: no copy is taken then, it is tried again shortly.
  virtual bool AutosaveDragInProgress() const = 0;
  // The records exactly as Save would write them, and how many figures they hold. Must be fast:
  // it runs on the UI thread (recordbytes::Serialise does it for a list of figures).
  virtual QByteArray AutosaveRecords(int& figures) const = 0;

 private:
  friend class AutosaveManager;
  AutosaveManager* manager_ = nullptr;
};
