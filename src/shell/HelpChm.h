#pragma once
#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

// Reading a compiled help file through the CHM reader library (chmlib), whose entry points are
// looked up at run time; the program neither includes nor links the library's own headers.
namespace help {

struct chmFile;  // the library's handle of an open file

// The library's description of one stored object (its struct chmUnitInfo).
struct ChmUnitInfo {
  quint64 start;
  quint64 length;
  int space;
  int flags;
  char path[512 + 1];
};

constexpr int kChmResolveSuccess = 0;

// The four entry points the viewer needs.
struct ChmApi {
  chmFile* (*open)(const char* fileName) = nullptr;
  void (*close)(chmFile* file) = nullptr;
  int (*resolve)(chmFile* file, const char* objectPath, ChmUnitInfo* info) = nullptr;
  qint64 (*retrieve)(chmFile* file, ChmUnitInfo* info, unsigned char* buffer, quint64 offset,
                     qint64 length) = nullptr;

  bool Complete() const { return open && close && resolve && retrieve; }
};

// Looks the entry points up in a loaded library; missing ones stay null.
ChmApi ResolveChmApi(void* library);

// What the compiler recorded about the help file (its #SYSTEM object).
struct ChmSystemInfo {
  QString title;
  QString defaultTopic;  // "aboutus.htm"
  QString contentsFile;  // "kedrin.hhc"
};
// Parses the records of a #SYSTEM object; records that end early are ignored.
ChmSystemInfo ParseChmSystem(const QByteArray& data);

// One open help file. Not copyable; closes the file when destroyed.
class ChmArchive {
 public:
  ChmArchive(const ChmApi& api, const QString& path);
  ~ChmArchive();
  ChmArchive(const ChmArchive&) = delete;
  ChmArchive& operator=(const ChmArchive&) = delete;

  bool IsOpen() const { return file_ != nullptr; }
  const QString& Path() const { return path_; }
  // The object at an absolute path inside the file ("/aboutus.htm"); none when it is not there.
  std::optional<QByteArray> Read(const QString& objectPath) const;
  ChmSystemInfo System() const;

 private:
  ChmApi api_;
  QString path_;
  chmFile* file_ = nullptr;
};

}  // namespace help
