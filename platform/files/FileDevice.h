#pragma once
// A file reached through a FileSystem, as a read-only Qt device: read whole
// when opened, or only its head, fetched in growing parts as the reader
// asks, so that reading a photo's header never pulls in the whole photo.

#include <QIODevice>
#include <cstddef>
#include <string>

namespace orelle {

class FileSystem;

class FileDevice : public QIODevice {
  public:
    enum Reach {
        kWhole,
        // The first kHeadLimit bytes at most; past them the file looks as
        // if it ended.
        kHead,
    };
    // Well beyond the segments a camera writes before the picture (phones
    // keep MBs of depth data there): a header search of a huge or endless
    // file stops here.
    static constexpr std::size_t kHeadLimit = std::size_t{16} << 20;

    FileDevice(FileSystem& fs, std::string path, Reach reach);

    // Fails when the file cannot be read, as opening a missing file does.
    bool open(OpenMode mode) override;
    bool isSequential() const override { return false; }
    // Known once all of the reach is fetched, so this fetches it.
    qint64 size() const override;
    bool atEnd() const override;

    // A reader asked for data past the end. Qt's JPEG decoder does so only
    // when the picture stops before its end marker; it then makes up the
    // rest in grey and reports success.
    bool ranDry() const { return ranDry_; }

  protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

  private:
    // Fetches until end bytes are held or the reach is exhausted; false
    // when the file cannot be read (any more).
    bool FetchTo(qint64 end) const;

    FileSystem& fs_;
    const std::string path_;
    const Reach reach_;
    // The file's first bytes; complete_ once no more are to come.
    mutable std::string bytes_;
    mutable bool complete_ = false;
    bool ranDry_ = false;
};

}  // namespace orelle
