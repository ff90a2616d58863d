#pragma once

// The layouts of a carton order line, told apart by the number of fields and, for 13 and 17
// fields, by the department header of the file. Each column is the field that fills a carton
// control; -1 leaves the control empty. Fields 0 to 5 are the same in every layout: quantity,
// (not read), master code, supplier, colour, description.
struct CartonLayout {
    enum Header { Any, Without, With };

    int fields;
    Header header;
    int code;  // compared with the first part of the reference key
    int prepack, ean, grade1, grade2, totgrade, semana;
    int suffix;         // joined to the week as week + "/" + suffix
    bool suffixAlways;  // false: only when the suffix field, trimmed, is not blank
    int destino, volume;
    int campanha, departamento, iniciopromocao;
};

// clang-format off
inline constexpr CartonLayout kCartonLayouts[] = {
//   fields header                code prepack ean g1  g2  tot sem  suffix always  dest vol  camp dep  ini
    {13,  CartonLayout::Without,  6,   6,      -1, 7,  8,  9,  10,  -1,    false,  11,  12,  -1,  -1,  -1},
    {13,  CartonLayout::With,     2,   6,      -1, 7,  8,  9,  10,  -1,    false,  11,  12,  -1,  -1,  -1},
    {14,  CartonLayout::Any,      2,   7,      6,  8,  9,  10, 11,  -1,    false,  12,  13,  -1,  -1,  -1},
    {15,  CartonLayout::Any,      2,   6,      6,  7,  8,  9,  10,  13,    false,  11,  12,  -1,  -1,  -1},
    {16,  CartonLayout::Any,      2,   6,      6,  7,  8,  9,  10,  13,    false,  11,  12,  14,  15,  -1},
    {17,  CartonLayout::Without,  2,   6,      6,  8,  9,  10, 11,  14,    true,   12,  13,  -1,  -1,  -1},
    {17,  CartonLayout::With,     2,   6,      6,  7,  8,  9,  10,  13,    true,   11,  12,  14,  15,  16},
    {162, CartonLayout::Any,      2,   6,      6,  8,  9,  10, 11,  14,    false,  12,  13,  -1,  -1,  -1},
};
// clang-format on

// The layout of a line of this many fields; nothing for a count the carton loader skips.
const CartonLayout* cartonLayoutOf(int fields, bool temDepartamento);

// The field the reference key takes its code from: the layout's, field 2 for other counts.
int cartonCodeField(int fields, bool temDepartamento);
// The field holding the volume text: the layout's; for other counts field 12 in a file with the
// department header and field 13 without.
int cartonVolumeField(int fields, bool temDepartamento);
