// Writes the Debian package's copyright file (the machine-readable format) to standard
// output. The licence is the agreement Setup shows, taken from the same code, so the two
// can never say different things.

#include "installer/core/licenseagreement.h"

#include <iostream>
#include <sstream>
#include <string>

int main()
{
    std::cout << "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
                 "Upstream-Name: Stowlet\n"
                 "Upstream-Contact: Tallowmere Software <support@tallowmeresoftware.com>\n"
                 "Source: https://www.tallowmeresoftware.com/\n"
                 "\n"
                 "Files: *\n"
                 "Copyright: 2026 Tallowmere Software\n"
                 "License: Tallowmere-EULA\n"
                 "\n"
                 "License: Tallowmere-EULA\n";
    // Each line of the licence indented by one space; an empty line is written as " .".
    std::istringstream agreement(setup::LicenseAgreementText("Stowlet"));
    for (std::string line; std::getline(agreement, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const auto start = line.find_first_not_of(' ');
        std::cout << (start == std::string::npos ? " ." : " " + line.substr(start)) << "\n";
    }
    return std::cout ? 0 : 1;
}
