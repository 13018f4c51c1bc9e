#pragma once

#include <string>
#include <vector>

namespace setup {

/// One section of the end-user licence agreement: a heading line, then its body.
struct LicenseSection
{
    std::string heading;
    std::vector<std::string> paragraphs; ///< body paragraphs, each on a line of its own
};

/// The agreement's sections in their order: the opening section with the acceptance
/// paragraph, the one-copy paragraph and the prohibitions; the licence terms; then the
/// numbered sections 2 to 8, each heading indented by five spaces.
std::vector<LicenseSection> LicenseSections(const std::string &productName);

/// The whole agreement as the licence page shows it, lines ending in CR LF. The opening
/// section and the terms have an empty line after their heading; every section ends
/// with an empty line.
std::string LicenseAgreementText(const std::string &productName);

} // namespace setup
