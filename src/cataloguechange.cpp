#include "cataloguechange.h"

#include "controller.h"

CatalogueChange::CatalogueChange(Controller *controller) : controller(controller)
{
    controller->beginCatalogueChange();
}

CatalogueChange::~CatalogueChange()
{
    if (open)
        controller->abandonCatalogueChange();
}

bool CatalogueChange::commit()
{
    if (!open)
        return false;
    open = false;
    return controller->endCatalogueChange();
}
