// The standard calculated functions as the series-type registry lists them: class name (by which a
// stored chart names a function), gallery description and page, number of sample series in the gallery
// preview, and how to make one.
#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string>

#include "chart/chart_function.h"

namespace fv {

struct FunctionTypeInfo {
    const char* ClassName;
    const char* Description;
    const char* GalleryPage;
    int NumGallerySeries;
    std::unique_ptr<TChartFunction> (*Create)();
};

// Every standard function, in the order of the gallery.
std::span<const FunctionTypeInfo> StandardFunctionTypes();

// The type whose class name is `className`, or null.
const FunctionTypeInfo* FindFunctionType(const std::string& className);

// Registers the standard functions, in gallery order, through `registerType`: the one place that gives
// the registry its function entries.
void RegisterStandardFunctions(const std::function<void(const FunctionTypeInfo&)>& registerType);

}  // namespace fv
