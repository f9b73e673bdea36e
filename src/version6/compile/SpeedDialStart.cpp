#include "version6/compile/SpeedDialStart.h"

#include "grid/TextValue.h"
#include "platform/Prompter.h"
#include "version6/compile/CompileTexts.h"

void SpeedDialStart::setText(const QString &text)
{
    m_text = text;
    if (TextValue(text) <= 999)
        return;
    ++m_capacityMessages;
    m_prompter.message(CompileTexts::kCapacityText, CompileTexts::kCapacityTitle, Prompter::Icon::Exclamation);
    m_abort = true;
}
