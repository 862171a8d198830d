#pragma once

#include "Canvas.h"
#include "Control.h"
#include "Sprite.h"

/// The controls of the main window that its procedures work with, by their
/// names. The window that builds the controls fills every pointer.
struct MainWindowControls {
    // Parameter inputs, their caption labels and unit labels.
    Control* parametersHeading = nullptr; ///< heading "Параметры"
    Control* plateGapCaption = nullptr;
    Control* plateGapEdit = nullptr; ///< plate separation, m
    Control* plateGapUnit = nullptr;
    Control* voltageCaption = nullptr;
    Control* voltageEdit = nullptr; ///< plate voltage, V
    Control* voltageUnit = nullptr;
    Control* diameterCaption = nullptr;
    Control* diameterEdit = nullptr; ///< droplet diameter, m
    Control* diameterUnit = nullptr;
    Control* dropletDensityCaption = nullptr;
    Control* dropletDensityEdit = nullptr; ///< droplet density, kg/m³
    Control* dropletDensityUnit = nullptr;
    Control* mediumDensityCaption = nullptr;
    Control* mediumDensityEdit = nullptr; ///< medium density, kg/m³
    Control* mediumDensityUnit = nullptr;
    Control* viscosityCaption = nullptr;
    Control* viscosityEdit = nullptr; ///< dynamic viscosity, Pa·s
    Control* viscosityUnit = nullptr;
    Control* slowDownScrollBar = nullptr; ///< slow-down, 1..9
    Control* slowDownReadout = nullptr;  ///< slow-down read-out

    // Derived quantities and limiting velocities.
    Control* characteristicsHeading = nullptr; ///< heading "Характеристики"
    Control* massReadout = nullptr; ///< mass
    Control* fieldStrengthReadout = nullptr;  ///< field strength
    Control* relaxationTimeReadout = nullptr; ///< relaxation time
    Control* forceRatioReadout = nullptr; ///< force ratio
    Control* velocitiesHeading = nullptr; ///< heading "Скорости"
    Control* terminalVelocityReadout = nullptr; ///< terminal velocity
    Control* limitingVelocity2Readout = nullptr; ///< second limiting velocity
    Control* limitingVelocity3Readout = nullptr; ///< third limiting velocity

    // Lower block.
    Control* startButton = nullptr;    ///< "ПУСК"
    Control* voltageButton = nullptr; ///< "НАПРЯЖЕНИЕ"
    Control* lightButton = nullptr; ///< "СВЕТ"
    Control* viewGroupBox = nullptr;   ///< view selector
    Control* animationOption = nullptr;  ///< "Движение"
    Control* coordinateOption = nullptr;  ///< "Координата"
    Control* velocityOption = nullptr;  ///< "Проекция Vx"
    Control* randomChargesCheckBox = nullptr;   ///< random charges
    Control* charge2Readout = nullptr;  ///< q2
    Control* charge3Readout = nullptr;  ///< q3
    Control* chargeRatioReadout = nullptr;  ///< q3/q2
    Control* chargeDifferenceReadout = nullptr;  ///< q3-q2

    // Drawing area.
    Canvas* animationView = nullptr; ///< animation view
    Canvas* coordinatePlot = nullptr; ///< coordinate plot
    Canvas* velocityPlot = nullptr; ///< velocity plot
    Sprite* dropletMarker = nullptr;   ///< droplet marker inside animationView
    Sprite* beamSprite = nullptr;   ///< beam image inside animationView
};
