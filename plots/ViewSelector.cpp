#include "ViewSelector.h"

#include "Form1Controls.h"

ViewSelector::ViewSelector(const Form1Controls& controls) : m_controls(controls) {}

void ViewSelector::Option1_Click()
{
    if (m_controls.Option1->value() != 0)
        show(true, false, false);
}

void ViewSelector::Option2_Click()
{
    if (m_controls.Option2->value() != 0)
        show(false, true, false);
}

void ViewSelector::Option3_Click()
{
    if (m_controls.Option3->value() != 0)
        show(false, false, true);
}

void ViewSelector::show(bool animation, bool coordinate, bool velocity)
{
    m_controls.Picture1->setVisible(animation);
    m_controls.Picture2->setVisible(coordinate);
    m_controls.Picture3->setVisible(velocity);
    // The slow-down belongs to the animation.
    m_controls.HScroll1->setVisible(animation);
    m_controls.Label16->setVisible(animation);
}
