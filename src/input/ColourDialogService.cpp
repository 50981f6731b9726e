#include "input/ColourDialogService.h"

#include <QColorDialog>

namespace {

// The platform's modal colour dialog.
class DialogColourService : public ColourDialogService {
public:
    std::optional<QColor> pickColour(const QColor &initial, QWidget *parent) override
    {
        const QColor chosen = QColorDialog::getColor(initial, parent);
        if (!chosen.isValid())
            return std::nullopt;
        return chosen;
    }
};

DialogColourService g_dialogService;
ColourDialogService *g_installed = nullptr;

}  // namespace

void ColourDialogService::install(ColourDialogService *service)
{
    g_installed = service;
}

ColourDialogService &ColourDialogService::current()
{
    return g_installed ? *g_installed : g_dialogService;
}
