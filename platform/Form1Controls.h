#pragma once

#include "Canvas.h"
#include "Control.h"
#include "Sprite.h"

/// The controls of the main window that its procedures work with, by their
/// names. The window that builds the controls fills every pointer.
struct Form1Controls {
    // Parameter inputs, their caption labels and unit labels.
    Control* Label36 = nullptr; ///< heading "Параметры"
    Control* Label1 = nullptr;
    Control* Text1 = nullptr; ///< plate separation, m
    Control* Label2 = nullptr;
    Control* Label3 = nullptr;
    Control* Text2 = nullptr; ///< plate voltage, V
    Control* Label4 = nullptr;
    Control* Label7 = nullptr;
    Control* Text4 = nullptr; ///< droplet diameter, m
    Control* Label8 = nullptr;
    Control* Label9 = nullptr;
    Control* Text5 = nullptr; ///< droplet density, kg/m³
    Control* Label10 = nullptr;
    Control* Label11 = nullptr;
    Control* Text6 = nullptr; ///< medium density, kg/m³
    Control* Label12 = nullptr;
    Control* Label13 = nullptr;
    Control* Text7 = nullptr; ///< dynamic viscosity, Pa·s
    Control* Label14 = nullptr;
    Control* HScroll1 = nullptr; ///< slow-down, 1..9
    Control* Label16 = nullptr;  ///< slow-down read-out

    // Derived quantities and limiting velocities.
    Control* Label15 = nullptr; ///< heading "Характеристики"
    Control* Label43 = nullptr; ///< mass
    Control* Label5 = nullptr;  ///< field strength
    Control* Label22 = nullptr; ///< relaxation time
    Control* Label44 = nullptr; ///< force ratio
    Control* Label21 = nullptr; ///< heading "Скорости"
    Control* Label23 = nullptr; ///< terminal velocity
    Control* Label24 = nullptr; ///< second limiting velocity
    Control* Label25 = nullptr; ///< third limiting velocity

    // Lower block.
    Control* CmdOK = nullptr;    ///< "ПУСК"
    Control* Command1 = nullptr; ///< "НАПРЯЖЕНИЕ"
    Control* Command2 = nullptr; ///< "СВЕТ"
    Control* Frame1 = nullptr;   ///< view selector
    Control* Option1 = nullptr;  ///< "Движение"
    Control* Option2 = nullptr;  ///< "Координата"
    Control* Option3 = nullptr;  ///< "Проекция Vx"
    Control* Check1 = nullptr;   ///< random charges
    Control* Label17 = nullptr;  ///< q2
    Control* Label19 = nullptr;  ///< q3
    Control* Label26 = nullptr;  ///< q3/q2
    Control* Label40 = nullptr;  ///< q3-q2

    // Drawing area.
    Canvas* Picture1 = nullptr; ///< animation view
    Canvas* Picture2 = nullptr; ///< coordinate plot
    Canvas* Picture3 = nullptr; ///< velocity plot
    Sprite* Shape1 = nullptr;   ///< droplet marker inside Picture1
    Sprite* Image1 = nullptr;   ///< beam image inside Picture1
};
