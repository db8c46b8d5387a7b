#pragma once

// The main window's side of the plug-in host: which plug-ins it keeps, where it searches, and the
// rule that makes one JPEG plug-in offer all three JPEG extensions.

#include "images/PictureFormats.h"
#include "images/SPIs.h"

#include <string>
#include <vector>

namespace tintora {

// Searches "*.SPI" in `searchDir` alone when it is set (appending "/" to it first when missing,
// which is what the settings keep), else in the manager's places.
void SearchPlugins(TSPIs& spis, std::string& searchDir);

// Clears `accept` when the file name part of `fileName` is in the skip list, letter case ignored.
void SPIs1Searching(const std::vector<std::string>& skipFiles, const std::string& fileName,
                    bool& accept);
// Keeps import plug-ins only.
void SPIs1Search(const TSPI& spi, bool& accept);
// "*" is never registered. The first JPEG extension ("jpeg", "jpg" or "jpe") an import plug-in
// announces registers each of the three that the registry does not offer yet, and leaves nothing
// for the manager to register.
void SPIs1PictureRegister(TPictureFormats& formats, const std::string& extension,
                          const std::string& description, const TGraphicClass*& graphicClass);

// Binds the three handlers above to the manager. The skip list is read at each search.
void BindPluginHandlers(TSPIs& spis, const std::vector<std::string>& skipFiles);

// A full reload: frees every plug-in, removes every plug-in file type from the manager's registry
// and searches again.
void ReloadPlugins(TSPIs& spis, std::string& searchDir);

} // namespace tintora
