#pragma once
// Runs the renderer program itself, as a user or a script would.

#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <functional>

namespace orv::test {

struct RenderRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs program (by default the built orvenza-render) with the arguments; environment entries
// "NAME=value" are added to the inherited environment; childSetUp runs in the child before the
// program starts.
inline RenderRun RunRenderer(const QStringList& args, const QStringList& environment = {},
                             const std::function<void()>& childSetUp = {},
                             const QString& program = QStringLiteral(ORVENZA_RENDER_EXE))
{
    QProcess p;
    if (!environment.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString& entry : environment)
            env.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
        p.setProcessEnvironment(env);
    }
    if (childSetUp)
        p.setChildProcessModifier(childSetUp);
    p.start(program, args);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

// True when the text is exactly one line of the renderer's own.
inline bool OneReportLine(const QByteArray& err)
{
    return err.startsWith("orvenza-render: ") && err.count('\n') == 1 && err.endsWith('\n');
}

} // namespace orv::test
