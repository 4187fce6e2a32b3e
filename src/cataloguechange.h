#ifndef CATALOGUECHANGE_H
#define CATALOGUECHANGE_H

class Controller;

// Makes the catalogue writes done during its lifetime one all-or-nothing change:
//
//     CatalogueChange change(controller);
//     ... writes through the controller's data slots ...
//     if (!change.commit()) { /* nothing of it was stored */ }
//
// Scopes nest: an inner scope joins the outer one, and a failed write anywhere rolls
// back the whole outermost scope. A scope left without commit() is rolled back.
class CatalogueChange
{
public:
    explicit CatalogueChange(Controller *controller);
    ~CatalogueChange();
    CatalogueChange(const CatalogueChange &) = delete;
    CatalogueChange &operator=(const CatalogueChange &) = delete;

    // Ends the scope; true when every write of it took effect (for the outermost scope:
    // and was committed).
    bool commit();

private:
    Controller *controller;
    bool open = true;
};

#endif // CATALOGUECHANGE_H
