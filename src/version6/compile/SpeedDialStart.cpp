#include "version6/compile/SpeedDialStart.h"

#include "grid/TextValue.h"
#include "platform/Prompter.h"

void SpeedDialStart::setText(const QString &text)
{
    m_text = text;
    if (TextValue(text) <= 999)
        return;
    ++m_capacityMessages;
    m_prompter.message(QStringLiteral("Unable to continue processing speed dials\r\n"
                                      "Please check your input data, as you have selected more speed dials than "
                                      "the PABX supports"),
                       QStringLiteral("User input error"), Prompter::Icon::Exclamation);
    m_abort = true;
}
