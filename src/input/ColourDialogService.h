#pragma once

#include <QColor>

#include <optional>

class QWidget;

// Asks the user for any colour; the program shows the platform's colour dialog, a test answers itself.
class ColourDialogService {
public:
    virtual ~ColourDialogService() = default;
    // Returns when the user has chosen (the colour) or cancelled (nullopt).
    virtual std::optional<QColor> pickColour(const QColor &initial, QWidget *parent) = 0;

    // Installs service for the whole process (not owned; nullptr restores the colour dialog).
    static void install(ColourDialogService *service);
    static ColourDialogService &current();
};
