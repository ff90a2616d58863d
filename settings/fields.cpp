#include "settings/fields.h"

#include "platform/codepage.h"
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
    // Key codes are characters of the workstation's code page, Windows-1252, whose bytes 0x80 to
    // 0x9F are letters such as š and œ, not Latin-1's control characters.
    if (tecla < 0 || tecla > 0xFF)
        return tecla;
    const QString upper = vb::UCase(cp1252::decode(QByteArray(1, static_cast<char>(tecla))));
    const QByteArray back = cp1252::encode(upper);
    // A capital the code page lacks (the Greek one of µ) leaves the key as it is.
    if (back.size() != 1 || (back.at(0) == '?' && upper != QStringLiteral("?")))
        return tecla;
    return static_cast<int16_t>(static_cast<uint8_t>(back.at(0)));
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
