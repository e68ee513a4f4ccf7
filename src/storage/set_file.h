#pragma once

#include "storage/set_file_codec.h"

#include <QString>

namespace tessarin {

// The one file that keeps a free-entry set between runs. Every operation opens the file only for its
// own length; a refused save or load leaves the file and the caller's boxes as they were.
class SetFile {
public:
    enum class Outcome {
        Done,
        NotFound,    // load, delete: no saved set
        Unreadable,  // load: the file (or something of its name) cannot be read
        Invalid,     // load: not a set file (see `fault` and `line`)
        Unencodable, // save: a line cannot be stored exactly (see `line`)
        WriteFailed, // save: the file could not be written; the previous one is unchanged
        DeleteFailed,
    };

    struct Result {
        Outcome outcome = Outcome::Done;
        SetFileFault fault = SetFileFault::None;
        int line = 0;
        SetFileLines lines; // what a successful load read
    };

    explicit SetFile(QString path);

    // `data.dat` beside the executable; when that folder cannot be written and holds no set file (an
    // installed copy under /usr, say), `data.dat` in the user's own data folder.
    static QString defaultPath();
    static QString choosePath(const QString& programFolder, const QString& userFolder);

    const QString& path() const { return path_; }

    // Writes a temporary file beside the set file and puts it in place only when all of it was written.
    Result save(const SetFileLines& lines) const;
    // Reads the whole file and returns its lines only when it is sound.
    Result load() const;
    Result remove() const;

private:
    QString path_;
};

} // namespace tessarin
