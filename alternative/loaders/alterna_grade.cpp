#include "alternative/loaders/alterna_grade.h"

void alterna_grade(Program& p, bool umaCelula)
{
    MainForm& f = p.form;
    const bool grade = !umaCelula;
    for (int k = 0; k <= 7; ++k)
        f.txtnumero[k].visible = grade;
    for (int k = 0; k <= 5; ++k)
        f.Label7[k].visible = grade;
    f.Label8.visible = grade;
    f.Label9.visible = grade;
    f.txtnumero[8].visible = true;
    f.Label7[6].visible = true;
    // The full grid puts back "40", not the 20 of the design.
    f.Label7[6].caption = umaCelula ? QStringLiteral("Qte") : QStringLiteral("40");
}
