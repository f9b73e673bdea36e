#pragma once

// The prompter of the benchmarks: it counts the messages, prints the ones that
// are not information when asked to, answers OK, and takes every default.
#include "platform/Prompter.h"

#include <cstdio>

class BenchPrompter : public Prompter {
public:
    explicit BenchPrompter(bool printTrouble = false) : m_printTrouble(printTrouble) {}
    int messages = 0;
    void setBusy(bool) override {}

protected:
    Answer showMessage(const Message &message) override
    {
        ++messages;
        if (m_printTrouble && message.icon != Icon::Information)
            std::fprintf(stderr, "%s: %s\n", qPrintable(message.title), qPrintable(message.text));
        return Answer::Ok;
    }
    std::optional<QString> askInput(const QString &, const QString &, const QString &defaultText) override
    {
        return defaultText;
    }
    FileAnswer askFile(const FileRequest &) override { return {}; }

private:
    bool m_printTrouble;
};
