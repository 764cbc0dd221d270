#pragma once

#include "sheets/PropertySheet.h"

class NamePage;

// Renames a configuration of composite nodes.
class CompConfigSheet : public PropertySheet {
    Q_OBJECT

public:
    // The request's index is the configuration's.
    CompConfigSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec,
                    QWidget* parent = nullptr);

protected:
    void WriteModel() override;

private:
    NamePage* m_name;
};
