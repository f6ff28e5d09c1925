#pragma once
// Where the program's data files are found: the DATA folder of the program folder first, then the
// program folder itself. Files are read afresh every time; nothing is cached.

#include <optional>
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace orv {

// Problems met during one redraw (a missing or malformed data file), each reported once.
class ProblemLog {
public:
    void Add(const QString& message);
    const QStringList& Messages() const { return messages_; }
    bool Empty() const { return messages_.isEmpty(); }
    void Clear() { messages_.clear(); }

private:
    QStringList messages_;
};

class DataFolder {
public:
    // `programDir` is the folder of the executable. DATA and the help are beside it (the build
    // folder, a program copied anywhere) or, installed, in ../share/orvenza; the program folder
    // is the one of the two that holds DATA (the executable's own when neither does).
    explicit DataFolder(const QString& executableDir = {});

    // The program folder for an executable folder, as above.
    static QString ProgramFolderOf(const QString& executableDir);

    const QString& ProgramDir() const { return programDir_; }
    QString DataDir() const;

    // Bytes of the named file (e.g. "KOSEI.DAT"), looked for in DATA and then, unless
    // dataFolderOnly, in the program folder; nothing when it opens in neither.
    std::optional<QByteArray> Read(const QString& fileName, bool dataFolderOnly = false) const;

    // Reads the file, or logs that it is missing and gives nothing.
    std::optional<QByteArray> ReadOrLog(const QString& fileName, ProblemLog& log,
                                        bool dataFolderOnly = false) const;

    // The message shown for a file that opens in neither place.
    QString MissingMessage(const QString& fileName, bool dataFolderOnly = false) const;

private:
    QString programDir_;
};

} // namespace orv
