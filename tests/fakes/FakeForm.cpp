#include "FakeForm.h"

#include <stdexcept>

FakeForm::FakeForm(const QLocale& locale)
{
    using Kind = FakeControl::Kind;
    auto make = [this](const std::string& name, Kind kind) {
        auto& slot = m_controls[name];
        slot = std::make_unique<FakeControl>(kind);
        return slot.get();
    };
    Form1Controls& c = controls;
#define OILDROP_FAKE(NAME, KIND) c.NAME = make(#NAME, Kind::KIND)
    OILDROP_FAKE(Label36, Label);
    OILDROP_FAKE(Label1, Label);
    OILDROP_FAKE(Label2, Label);
    OILDROP_FAKE(Label3, Label);
    OILDROP_FAKE(Label4, Label);
    OILDROP_FAKE(Label7, Label);
    OILDROP_FAKE(Label8, Label);
    OILDROP_FAKE(Label9, Label);
    OILDROP_FAKE(Label10, Label);
    OILDROP_FAKE(Label11, Label);
    OILDROP_FAKE(Label12, Label);
    OILDROP_FAKE(Label13, Label);
    OILDROP_FAKE(Label14, Label);
    OILDROP_FAKE(Label16, Label);
    OILDROP_FAKE(Label15, Label);
    OILDROP_FAKE(Label43, Label);
    OILDROP_FAKE(Label5, Label);
    OILDROP_FAKE(Label22, Label);
    OILDROP_FAKE(Label44, Label);
    OILDROP_FAKE(Label21, Label);
    OILDROP_FAKE(Label23, Label);
    OILDROP_FAKE(Label24, Label);
    OILDROP_FAKE(Label25, Label);
    OILDROP_FAKE(Label17, Label);
    OILDROP_FAKE(Label19, Label);
    OILDROP_FAKE(Label26, Label);
    OILDROP_FAKE(Label40, Label);
    OILDROP_FAKE(Text1, TextBox);
    OILDROP_FAKE(Text2, TextBox);
    OILDROP_FAKE(Text4, TextBox);
    OILDROP_FAKE(Text5, TextBox);
    OILDROP_FAKE(Text6, TextBox);
    OILDROP_FAKE(Text7, TextBox);
    OILDROP_FAKE(CmdOK, Button);
    OILDROP_FAKE(Command1, Button);
    OILDROP_FAKE(Command2, Button);
    OILDROP_FAKE(Frame1, Frame);
    OILDROP_FAKE(Check1, CheckBox);
#undef OILDROP_FAKE
    FakeControl* option1 = make("Option1", Kind::OptionButton);
    FakeControl* option2 = make("Option2", Kind::OptionButton);
    FakeControl* option3 = make("Option3", Kind::OptionButton);
    option1->group = option2->group = option3->group = {option1, option2, option3};
    option1->setValue(1); // selected when created
    c.Option1 = option1;
    c.Option2 = option2;
    c.Option3 = option3;
    FakeControl* scroll = make("HScroll1", Kind::ScrollBar);
    scroll->minimum = 1;
    scroll->maximum = 9;
    scroll->setValue(5);
    c.HScroll1 = scroll;
    c.Picture1 = &Picture1;
    c.Picture2 = &Picture2;
    c.Picture3 = &Picture3;
    c.Shape1 = &Shape1;
    c.Image1 = &Image1;

    m_procedures = std::make_unique<Form1Procedures>(controls, window, fakes.services(), locale);

    Form1Procedures& p = *m_procedures;
    control("Text1").onChange = [&p] { p.Text1_Change(); };
    control("Text2").onChange = [&p] { p.Text2_Change(); };
    control("Text4").onChange = [&p] { p.Text4_Change(); };
    control("Text5").onChange = [&p] { p.Text5_Change(); };
    control("Text6").onChange = [&p] { p.Text6_Change(); };
    control("Text7").onChange = [&p] { p.Text7_Change(); };
    option1->onChange = [&p] { p.Option1_Click(); };
    option2->onChange = [&p] { p.Option2_Click(); };
    option3->onChange = [&p] { p.Option3_Click(); };
    scroll->onChange = [&p] { p.HScroll1_Change(); };
}

void FakeForm::start()
{
    state().zagruzka = 0;
    m_procedures->predvar();
    state().zagruzka = 1;
    m_procedures->Form_Resize();
}

FakeControl& FakeForm::control(const std::string& name)
{
    const auto it = m_controls.find(name);
    if (it == m_controls.end())
        throw std::out_of_range("no control named " + name);
    return *it->second;
}
