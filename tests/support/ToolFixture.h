#pragma once

#include "support/RecordingPrinter.h"
#include "support/ScriptedPrompter.h"
#include "support/TestHome.h"

// An assigner tool with scripted prompts, a recording printer and a program folder
// of its own.
template <typename Tool>
struct ToolFixture {
    TestHome home;
    ScriptedPrompter prompter;
    RecordingPrinter printer;
    Tool tool{prompter, printer};

    // A file in the program folder, its folders made; written when bytes are given.
    QString file(const QString &name, const QByteArray &bytes = QByteArray())
    {
        const QString path = home.file(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (!bytes.isNull())
            WriteBytes(path, bytes);
        return path;
    }
    // Imports a file through the "..." button.
    typename Tool::ImportResult import(const QString &name, const QByteArray &bytes)
    {
        prompter.queueFile(file(name, bytes));
        return tool.chooseImport();
    }
};
