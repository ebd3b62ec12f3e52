#pragma once
#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>
#include <utility>

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

// Where the parts of a help file lie, from its ITSF header: the directory, and the content
// section that object offsets count from. A header that is not one gives none.
struct ChmLayout {
  quint64 directoryEnd = 0;   // file offset just after the directory
  quint64 contentStart = 0;   // file offset of content section 0
};
std::optional<ChmLayout> ParseChmHeader(const QByteArray& header);

// What reading one stored object gave.
enum class ChmRead { Whole, Missing, Damaged };
struct ChmObject {
  ChmRead status = ChmRead::Missing;
  QByteArray data;  // the object's bytes, when whole
};

// One open help file. Not copyable; closes the file when destroyed.
class ChmArchive {
 public:
  ChmArchive(const ChmApi& api, const QString& path);
  ~ChmArchive();
  ChmArchive(const ChmArchive&) = delete;
  ChmArchive& operator=(const ChmArchive&) = delete;

  bool IsOpen() const { return file_ != nullptr; }
  const QString& Path() const { return path_; }
  // The object at an absolute path inside the file ("/aboutus.htm"). The reader library gives
  // zeros or nothing for data past the end of a cut-off file, so an object is whole only when
  // every byte of it, or of the compressed data it comes from, lies within the file; a file
  // shorter than its own directory damages every object, found or not.
  ChmObject Fetch(const QString& objectPath) const;
  // The object when it was read whole; none otherwise.
  std::optional<QByteArray> Read(const QString& objectPath) const;
  ChmSystemInfo System() const;

 private:
  // Whether bytes [offset, offset + length) of content section 0 are in the file.
  bool InFile(quint64 offset, quint64 length) const;

  ChmApi api_;
  QString path_;
  chmFile* file_ = nullptr;
  std::optional<ChmLayout> layout_;
  quint64 fileSize_ = 0;
  // Where the compressed section's data lies in content section 0, when the file has one.
  std::optional<std::pair<quint64, quint64>> compressed_;
};

}  // namespace help
