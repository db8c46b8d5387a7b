#pragma once

// The picture format registry: which picture class reads a file with a given extension, and the
// open-picture dialog's file-type filter built from it.

#include "images/Graphic.h"

#include <string>
#include <string_view>
#include <vector>

namespace tintora {

struct TPictureFormat {
    std::string Extension; // lower case, without the dot
    std::string Description;
    const TGraphicClass* GraphicClass = nullptr;
};

class TPictureFormats {
public:
    // Appends an entry; an extension already present gets a second, newer entry.
    void Add(std::string_view extension, std::string_view description,
             const TGraphicClass& graphicClass);
    // Removes every entry of the class or of a subclass of it.
    void RemoveClass(const TGraphicClass& graphicClass);
    // The class of the newest entry for the extension (letter case ignored); null when none.
    const TGraphicClass* Find(std::string_view extension) const;

    // "description (*.ext)|*.ext" for each entry of the class or a subclass with an extension,
    // newest first, joined by "|"; with two or more entries preceded by
    // "すべてのﾌｧｲﾙ (*.a;*.b)|*.a;*.b|".
    std::string FilterText(const TGraphicClass& graphicClass) const;

    // Replaces the holder's picture by the file's (see LoadPictureFromFile).
    void LoadFromFile(TPictureHolder& holder, const std::string& fileName) const;

    const std::vector<TPictureFormat>& Entries() const { return entries_; }

private:
    std::vector<TPictureFormat> entries_; // oldest first
};

// The registry of the process, holding at first the metafile, enhanced metafile, icon and bitmap
// entries in this order.
TPictureFormats& PictureFormats();

void AddPictureFormat(std::string_view extension, std::string_view description,
                      const TGraphicClass& graphicClass);
void RemovePictureClass(const TGraphicClass& graphicClass);
std::string PictureFilterText(const TGraphicClass& graphicClass);

// Loads the file with the class its extension (the text after the last "." of the name part)
// is registered for. No entry raises EInvalidGraphic with UnknownExtensionMessage; an error of the
// load passes on and leaves the holder's picture as it was. On success the holder takes the new
// picture. The new picture's progress goes to the holder's OnProgress.
void LoadPictureFromFile(TPictureHolder& holder, const std::string& fileName);

// The extension of a file name: the text after the last "." of its name part, without the dot.
std::string PictureFileExtension(std::string_view fileName);

} // namespace tintora
