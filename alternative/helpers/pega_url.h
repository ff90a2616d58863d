#pragma once

#include "form/controls.h"
#include "form/program.h"

#include <QString>
#include <chrono>

// The three fields of an address form that an address lookup fills, and which of them has the
// focus.
struct AddressForm {
    TextBox uf;          // state
    TextBox cidade;      // city
    TextBox logradouro;  // street type and street name
    const TextBox* focus = nullptr;
};

inline constexpr std::chrono::milliseconds kAddressTimeout{30000};

// Posts a request to M_URL (the complete address, query included), shows the XML answer, then
// either fills the form from the first address of the answer, in capitals, and gives the street
// field the focus, or shows "Esta informação não foi localizada". An answer that is not XML or
// lacks an element it needs counts as not found. No answer (refused, failed, or none within the
// time-out) raises the error the request reports; the pointer is the default again either way.
void pega_URL(Program& p, const QString& M_URL, AddressForm& endereco,
              std::chrono::milliseconds tempoLimite = kAddressTimeout);
