#pragma once

#include "platform/PlatformTexts.h"

#include <QString>

#include <optional>

// The desktop's message boxes, input box, file dialogs and busy pointer, as the
// tools see them. The windows use QtPrompter; tests use a scripted prompter that
// answers from a queue; halvoran-cli answers from its options.
class Prompter {
public:
    enum class Icon { None, Critical, Exclamation, Information, Question };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    struct Message {
        QString text;
        QString title; // as shown: a box without a title of its own shows "Halvoran"
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        // Why, in the words of the reader or writer that found it ("too large",
        // "cut short at record 3"): shown beside the text, never in its place.
        QString detail;
    };

    struct FileRequest {
        bool save = false;
        // Open dialogs: whether only existing files can be chosen.
        bool mustExist = true;
        QString title;
        QString folder;
        // "Description|pattern|Description|pattern|..." as the tools write it.
        QString filter;
        // 1-based entry of the filter; anything outside selects the first entry.
        int filterIndex = 1;
    };

    struct FileAnswer {
        QString path; // empty when cancelled
        int filterIndex = 1;
    };

    static QString programTitle() { return PlatformTexts::kProgramTitle; }

    virtual ~Prompter() = default;

    Answer message(const QString &text, const QString &title = QString(), Icon icon = Icon::None,
                   Buttons buttons = Buttons::Ok, const QString &detail = QString())
    {
        return showMessage({text, title.isEmpty() ? programTitle() : title, icon, buttons, detail});
    }
    // An OK box with the reason behind it as its detail.
    Answer explain(const QString &text, const QString &title, Icon icon, const QString &detail)
    {
        return message(text, title, icon, Buttons::Ok, detail);
    }
    bool askYesNo(const QString &text, const QString &title, Icon icon = Icon::None)
    {
        return message(text, title, icon, Buttons::YesNo) == Answer::Yes;
    }
    // nullopt when the box is cancelled; an empty answer is a value.
    std::optional<QString> input(const QString &prompt, const QString &title, const QString &defaultText)
    {
        return askInput(prompt, title.isEmpty() ? programTitle() : title, defaultText);
    }
    FileAnswer chooseFile(const FileRequest &request) { return askFile(request); }
    virtual void setBusy(bool busy) = 0;

protected:
    virtual Answer showMessage(const Message &message) = 0;
    virtual std::optional<QString> askInput(const QString &prompt, const QString &title,
                                            const QString &defaultText) = 0;
    virtual FileAnswer askFile(const FileRequest &request) = 0;
};

// Shows the busy pointer for the life of the guard.
class BusyPointer {
public:
    explicit BusyPointer(Prompter &prompter) : m_prompter(prompter) { m_prompter.setBusy(true); }
    ~BusyPointer() { m_prompter.setBusy(false); }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;

private:
    Prompter &m_prompter;
};
