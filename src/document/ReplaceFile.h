#pragma once
// Writing a whole file so that it either replaces the old one completely or leaves it as it was:
// the bytes go to a temporary file in the same folder, every write and the final flush are
// checked, and only then does the new file take the old one's name.

#include <functional>
#include <QByteArray>
#include <QString>

namespace orv {

// Writes bytes to path; the empty string on success, otherwise why it failed, in Japanese ("ディス
// クの空き容量が足りません。"). On a failure nothing of the new file is left and an old file at
// path is untouched. midway, when given, runs after the first half has been written and flushed
// (a test uses it to end the process in the middle of a save).
QString WriteFileReplacing(const QString& path, const QByteArray& bytes, const std::function<void()>& midway = {});

} // namespace orv
