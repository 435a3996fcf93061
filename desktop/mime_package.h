// A shared-mime-info package: the file-type declarations a desktop reads to name a type and
// recognise its files by their glob patterns.
#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace ninefold {

struct MimeGlob {
    QString pattern;
    int weight = 50;
    bool operator==(const MimeGlob&) const = default;
};

struct MimeTypeDeclaration {
    QString type;
    std::optional<QString> comment;  // the untranslated one
    std::vector<MimeGlob> globs;
    bool operator==(const MimeTypeDeclaration&) const = default;
};

// Every type the package declares; empty when the file is missing or not a package.
std::vector<MimeTypeDeclaration> ReadMimePackage(const QString& path);
// A package of one type, written atomically.
QString MimePackageText(const MimeTypeDeclaration& declaration);
bool WriteMimePackage(const QString& path, const MimeTypeDeclaration& declaration);

}  // namespace ninefold
