// Writes the windows' tables to a file at build time, with the twips in a pixel, for the scripts
// that drive the desktop program: they find a control by its window's and its own name, so a
// table that moves a button moves their clicks too.
//
//     vertola_layouts OUT.json   ->  {"twipsPerPixel": 15, "windows": [the page's tables]}

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "shell/layout.h"
#include "web/bridge/bridge.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: vertola_layouts OUT.json\n";
        return 2;
    }
    const std::filesystem::path out = argv[1];
    // Written beside and renamed, so that a build stopped half-way leaves no file that looks whole.
    std::filesystem::path part = out;
    part += ".part";
    {
        std::ofstream file(part, std::ios::binary | std::ios::trunc);
        file << "{\"twipsPerPixel\":" << vertola::kTwipsPerPixel
             << ",\"windows\":" << vertola::web::Bridge::layouts() << "}\n";
        file.close();
        if (!file) {
            std::cerr << "vertola_layouts: cannot write " << part.string() << "\n";
            return 1;
        }
    }
    std::error_code error;
    std::filesystem::rename(part, out, error);
    if (error) {
        std::cerr << "vertola_layouts: cannot write " << out.string() << ": " << error.message() << "\n";
        return 1;
    }
    return 0;
}
