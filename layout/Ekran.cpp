#include "Ekran.h"

#include "Form1Controls.h"
#include "FormWindow.h"

#include <algorithm>
#include <cstring>

namespace {

/// A geometry under construction, in double precision.
struct Box {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

ControlGeometry handOver(const Box& box)
{
    return {static_cast<float>(box.left), static_cast<float>(box.top), static_cast<float>(box.width),
            static_cast<float>(box.height)};
}

#define CONTROL(NAME) #NAME, [](const Form1Controls& c) -> Control* { return c.NAME; }

} // namespace

std::vector<Ekran::Entry> Ekran::compute(double scaleWidth, double scaleHeight)
{
    const double SW = scaleWidth;
    const double SH = scaleHeight;
    // Sizes are clamped at 0 as they are made, so that later references see the clamped value.
    auto size = [](double w, double h) { return Box{0, 0, std::max(0.0, w), std::max(0.0, h)}; };
    auto at = [](Box box, double left, double top) {
        box.left = left;
        box.top = top;
        return box;
    };

    // Parameter column: heading, six input rows (caption, input, unit), scroll bar.
    const Box Label36 = at(size(2 * col_w, row_h), SW - 5.2 * col_w, gap_y);
    const Box Label1 = at(size(col_w / 2, row_h), Label36.left, Label36.top + row_h + gap_y);
    const Box Text1 = at(size(1.3 * col_w, row_h), Label1.left + Label1.width, Label1.top);
    const Box Label2 = at(size(2.0 / 3 * col_w, row_h), Text1.left + Text1.width, Label1.top);
    // Row k of the inputs lies k·(row_h + gap_y) below the heading.
    auto row = [&](int k, const Box& like) {
        return at(size(like.width, row_h), like.left, Label36.top + k * row_h + k * gap_y);
    };
    const Box Label3 = row(2, Label1), Text2 = row(2, Text1), Label4 = row(2, Label2);
    const Box Label7 = row(3, Label1), Text4 = row(3, Text1), Label8 = row(3, Label2);
    const Box Label9 = row(4, Label1), Text5 = row(4, Text1), Label10 = row(4, Label2);
    const Box Label11 = row(5, Label1), Text6 = row(5, Text1), Label12 = row(5, Label2);
    const Box Label13 = row(6, Label1), Text7 = row(6, Text1), Label14 = row(6, Label2);
    // Ten gaps, not seven: the scroll bar sits a little apart from the inputs.
    const Box HScroll1 = at(size(Label1.width + Text1.width + Label2.width, row_h / 2), Label1.left,
                            Label36.top + 7 * row_h + 10 * gap_y);
    Box Label16 = size(col_w / 4, row_h);
    Label16 = at(Label16, HScroll1.left + HScroll1.width / 2 - Label16.width / 2, HScroll1.top + HScroll1.height);

    // Derived quantities, one row below another, right of the parameters.
    const Box Label15 = at(size(2.6 * col_w, row_h), HScroll1.left + HScroll1.width + gap_x, gap_y);
    auto below = [&](const Box& above, const Box& column) {
        return at(size(column.width, row_h), column.left, above.top + above.height + gap_y);
    };
    const Box Label43 = below(Label15, Label15);
    const Box Label5 = below(Label43, Label15);
    const Box Label22 = below(Label5, Label15);
    const Box Label44 = below(Label22, Label15);
    const Box Label21 = below(Label44, Label15);
    const Box Label23 = below(Label21, Label21);
    const Box Label24 = below(Label23, Label21);
    const Box Label25 = below(Label24, Label21);

    // Lower block, from just below the vertical middle.
    const Box CmdOK = at(size(2 * col_w, row_h), Label36.left, SH / 2 + gap_y);
    const Box Command1 = below(CmdOK, CmdOK);
    const Box Command2 = below(Command1, CmdOK);
    const Box Frame1 = at(size(CmdOK.width - 3 * gap_x, 3.3 * row_h), Label15.left + 12 * gap_x, CmdOK.top);
    const Box Check1 = at(size(1.1 * col_w, row_h), CmdOK.left + CmdOK.width + gap_x, Command1.top);
    const Box Label17 = at(size(2 * col_w, row_h), Label36.left, Command2.top + Command2.height + gap_y);
    const Box Label19 = below(Label17, Label17);
    const Box Label26 = at(size(Label17.width, row_h), Label15.left, Label17.top);
    const Box Label40 = at(size(Label17.width, row_h), Label26.left, Label19.top);

    // Drawing area: the animation view over the full height, the plots over the upper half.
    const Box Picture1 = at(size(Label36.left - 2 * gap_x, SH - 2 * gap_y), gap_x, gap_y);
    const Box Picture2 = at(size(Label36.left - 2 * gap_x, SH / 2 - gap_y), gap_x, gap_y);
    const Box Picture3 = at(size(Picture2.width, Picture2.height), Picture1.left, Picture2.top);

    return {
        {CONTROL(Label36), handOver(Label36)},   {CONTROL(Label1), handOver(Label1)},
        {CONTROL(Text1), handOver(Text1)},       {CONTROL(Label2), handOver(Label2)},
        {CONTROL(Label3), handOver(Label3)},     {CONTROL(Text2), handOver(Text2)},
        {CONTROL(Label4), handOver(Label4)},     {CONTROL(Label7), handOver(Label7)},
        {CONTROL(Text4), handOver(Text4)},       {CONTROL(Label8), handOver(Label8)},
        {CONTROL(Label9), handOver(Label9)},     {CONTROL(Text5), handOver(Text5)},
        {CONTROL(Label10), handOver(Label10)},   {CONTROL(Label11), handOver(Label11)},
        {CONTROL(Text6), handOver(Text6)},       {CONTROL(Label12), handOver(Label12)},
        {CONTROL(Label13), handOver(Label13)},   {CONTROL(Text7), handOver(Text7)},
        {CONTROL(Label14), handOver(Label14)},   {CONTROL(HScroll1), handOver(HScroll1)},
        {CONTROL(Label16), handOver(Label16)},   {CONTROL(Label15), handOver(Label15)},
        {CONTROL(Label43), handOver(Label43)},   {CONTROL(Label5), handOver(Label5)},
        {CONTROL(Label22), handOver(Label22)},   {CONTROL(Label44), handOver(Label44)},
        {CONTROL(Label21), handOver(Label21)},   {CONTROL(Label23), handOver(Label23)},
        {CONTROL(Label24), handOver(Label24)},   {CONTROL(Label25), handOver(Label25)},
        {CONTROL(CmdOK), handOver(CmdOK)},       {CONTROL(Command1), handOver(Command1)},
        {CONTROL(Command2), handOver(Command2)}, {CONTROL(Frame1), handOver(Frame1)},
        {CONTROL(Check1), handOver(Check1)},     {CONTROL(Label17), handOver(Label17)},
        {CONTROL(Label19), handOver(Label19)},   {CONTROL(Label26), handOver(Label26)},
        {CONTROL(Label40), handOver(Label40)},   {CONTROL(Picture1), handOver(Picture1)},
        {CONTROL(Picture2), handOver(Picture2)}, {CONTROL(Picture3), handOver(Picture3)},
    };
}

Ekran::Ekran(const Form1Controls& controls, const FormWindow& window) : m_controls(controls), m_window(window) {}

void Ekran::ekran()
{
    const Form1Controls& c = m_controls;
    for (const Entry& entry : compute(m_window.ScaleWidth(), m_window.ScaleHeight())) {
        entry.control(c)->setGeometry(entry.geometry);
        // Whatever an experiment showed is hidden again as the pass goes by.
        const auto is = [&](const char* name) { return std::strcmp(entry.name, name) == 0; };
        if (is("Label24")) {
            c.Label24->setVisible(false);
        } else if (is("Label25")) {
            c.Label25->setVisible(false);
        } else if (is("Label19")) {
            c.Label17->setVisible(false);
            c.Label19->setVisible(false);
        } else if (is("Label40")) {
            c.Label26->setVisible(false);
            c.Label40->setVisible(false);
        } else if (is("Picture2")) {
            c.Picture2->setVisible(false);
        } else if (is("Picture3")) {
            c.Picture3->setVisible(false);
        }
    }
    c.Image1->setVisible(false);
    c.Command1->setEnabled(false);
    c.Command2->setEnabled(false);
}
