// An element of a known kind number that this build has no class for (a drawn form, for
// one). It keeps the items it was loaded from and writes them back unchanged; it draws and
// exports nothing.
#pragma once

#include <memory>

#include "document/cElement.h"

namespace kalder {

class cOpaqueElement final : public cElement {
public:
    explicit cOpaqueElement(std::int32_t kind) : cElement(kind) {}
    std::shared_ptr<cElement> Copy() const override;

protected:
    void saveItems(ItemWriter& out) const override;
    void loadItems(const ItemReader& in) override;

private:
    std::shared_ptr<pugi::xml_document> items_;  // the loaded children, shared by copies
};

}  // namespace kalder
