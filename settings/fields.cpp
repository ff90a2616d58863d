#include "settings/fields.h"

#include "platform/errors.h"
#include "platform/vb.h"

void proximo(Keystrokes* keys, int16_t tecla)
{
    if (!keys)
        return;
    if (tecla == key::Enter || tecla == key::Down)
        tryStep([&] { keys->send(QStringLiteral("{tab}")); });
    else if (tecla == key::Up)
        tryStep([&] { keys->send(QStringLiteral("+{tab}")); });
}

static bool isDigitKey(int16_t tecla) { return tecla >= '0' && tecla <= '9'; }

int16_t Numero(int16_t tecla)
{
    return isDigitKey(tecla) || tecla == key::Backspace || tecla == key::CtrlA ? tecla : int16_t{0};
}

int16_t Mais(int16_t tecla)
{
    // Key codes are single-byte characters; the upper case of one is one character too.
    const QChar c(static_cast<char16_t>(static_cast<uint8_t>(tecla)));
    const QString upper = vb::UCase(QString(c));
    const char16_t u = upper.at(0).unicode();
    return u <= 0xFF ? static_cast<int16_t>(u) : tecla;
}

int16_t so_inteiro(int16_t tecla)
{
    return isDigitKey(tecla) || tecla == key::Backspace || tecla == key::Minus ? tecla : int16_t{0};
}

int16_t so_decimal(int16_t tecla)
{
    if (!(isDigitKey(tecla) || tecla == key::Backspace || tecla == key::Comma || tecla == key::Point ||
          tecla == key::Minus))
        return 0;
    return tecla == key::Point ? key::Comma : tecla;
}

void seleciona(TextBox& box)
{
    box.selStart = 0;
    box.selLength = vb::Len(vb::Trim(box.text));
}
