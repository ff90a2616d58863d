#include "orders/cartonlayout.h"

const CartonLayout* cartonLayoutOf(int fields, bool temDepartamento)
{
    const auto header = temDepartamento ? CartonLayout::With : CartonLayout::Without;
    for (const CartonLayout& l : kCartonLayouts)
        if (l.fields == fields && (l.header == CartonLayout::Any || l.header == header))
            return &l;
    return nullptr;
}

int cartonCodeField(int fields, bool temDepartamento)
{
    const CartonLayout* l = cartonLayoutOf(fields, temDepartamento);
    return l ? l->code : 2;
}

int cartonVolumeField(int fields, bool temDepartamento)
{
    const CartonLayout* l = cartonLayoutOf(fields, temDepartamento);
    return l ? l->volume : (temDepartamento ? 12 : 13);
}
