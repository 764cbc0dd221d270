#pragma once

#include "editing/SheetRequest.h"

#include <functional>
#include <memory>

class LinNetwork;
class PropertySheet;
class QDialog;
class TextCodec;
class QWidget;

// Which class implements each sheet. Adding a sheet is one class and one
// line in the registry's table (SheetRegistry.cpp).

// Runs a modal dialog and returns its result; tests pass their own.
using SheetRunner = std::function<int(QDialog&)>;
int RunModal(QDialog& dialog);

// Builds the requested sheet on the network (the request's indexes must
// name records, as the tree's and list's commands make sure); null for an
// empty request or a sheet that does not exist yet.
std::unique_ptr<PropertySheet> CreateSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec,
                                           QWidget* parent);

// Builds and runs the sheet; true when the user confirmed it, which is
// when the network changed. Nothing happens for a sheet that cannot be built.
bool RunSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec, QWidget* parent,
              const SheetRunner& run = RunModal);
