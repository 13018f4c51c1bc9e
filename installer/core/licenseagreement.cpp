#include "installer/core/licenseagreement.h"

namespace setup {

namespace {

const char *const crlf = "\r\n";

const char *const licensor = "Tallowmere Software";

std::vector<LicenseSection> numberedSections(const std::string &product)
{
    const std::string maker = licensor;
    return {
        {"     2. License Grant.",
         {maker + " grants you a non-exclusive, non-transferable right to install and use " + product +
          " for your own purposes, private or professional, on the terms set out in this agreement."}},
        {"     3. Ownership.",
         {"The software, its sounds, icons and documentation are owned by " + maker +
          " and protected by copyright law. This agreement gives you the right to use them, not ownership of them. "
          "The pictures you save with the software remain yours."}},
        {"     4. Copies and Adaptations.",
         {"You may make one copy of the software for safekeeping, provided that it carries every notice of "
          "ownership of the original. You may not adapt, translate or merge the software with other programs "
          "without the written consent of " +
          maker + "."}},
        {"     5. No Disassembly.",
         {"You may not disassemble, decompile or otherwise reverse-engineer the software, except where the law "
          "expressly allows it despite this restriction."}},
        {"     6. Transfer.",
         {"You may transfer this licence to another party once, together with every copy of the software and "
          "this agreement, provided that the other party accepts these terms and you keep no copy. " +
          maker + " must be told of the transfer."}},
        {"     7. Termination.",
         {maker + " may end this licence if you fail to comply with any of its terms. When the licence ends you "
                  "must remove the software from your computer and destroy every copy of it."}},
        {"     8. Export Requirements.",
         {"You may not export or re-export the software, or any copy of it, in breach of the laws and "
          "regulations that apply to you or to " +
          maker + "."}},
    };
}

} // namespace

std::vector<LicenseSection> LicenseSections(const std::string &productName)
{
    const std::string maker = licensor;
    std::vector<LicenseSection> sections{
        {"END-USER LICENSE AGREEMENT FOR " + productName,
         {"By installing, copying or otherwise using " + productName +
              " you agree to be bound by this agreement "
              "between you and " +
              maker +
              ". If you do not accept its terms, do not install the software: "
              "choose Cancel now.",
          "This licence allows you to install and use one copy of " + productName +
              " on one computer at a time. You may not:",
          "RENT, LEASE OR LEND THE SOFTWARE;", "SELL OR SUBLICENSE THE SOFTWARE OR ANY PART OF IT;",
          "REMOVE OR ALTER ANY NOTICE OF OWNERSHIP IN THE SOFTWARE."}},
        {"LICENSE TERMS", {"These License Terms govern your Use of " + productName}},
    };
    for (LicenseSection &section : numberedSections(productName))
        sections.push_back(std::move(section));
    return sections;
}

std::string LicenseAgreementText(const std::string &productName)
{
    const std::vector<LicenseSection> sections = LicenseSections(productName);
    std::string text;
    const auto line = [&text](const std::string &content) { text += content + crlf; };

    const LicenseSection &opening = sections[0];
    line(opening.heading);
    line("");
    line(opening.paragraphs[0]);
    line("");
    for (std::size_t i = 1; i < opening.paragraphs.size(); ++i)
        line(opening.paragraphs[i]); // the one-copy paragraph, then each prohibition
    line("");

    const LicenseSection &terms = sections[1];
    line(terms.heading);
    line("");
    line(terms.paragraphs[0]);
    line("");

    for (std::size_t i = 2; i < sections.size(); ++i) {
        line(sections[i].heading);
        line(sections[i].paragraphs[0]);
        line("");
    }
    return text;
}

} // namespace setup
