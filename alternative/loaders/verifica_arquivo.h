#pragma once

#include "form/program.h"

// The earlier naming of order files: the order number and a suffix of the label type, in the
// program folder. Sets nome_arquivo and tipo_arquivo, and warns when the file is not there; the
// readers look again for themselves.
void verifica_arquivo(Program& p);
