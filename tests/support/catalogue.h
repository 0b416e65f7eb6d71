#pragma once

#include <QCoreApplication>
#include <QTranslator>

#include <stdexcept>

namespace daxo::test {

// One of Daxo's catalogues in use for as long as this object lives, as the
// program puts it in use for a language; none for English, which the texts
// are written in but for its plurals.
class CatalogueInUse {
public:
    explicit CatalogueInUse(const QString& catalogue)
    {
        if (!translator_.load("daxo_" + catalogue, ":/i18n") || !QCoreApplication::installTranslator(&translator_))
            throw std::runtime_error("no catalogue daxo_" + catalogue.toStdString());
    }
    ~CatalogueInUse() { QCoreApplication::removeTranslator(&translator_); }
    CatalogueInUse(const CatalogueInUse&) = delete;
    CatalogueInUse& operator=(const CatalogueInUse&) = delete;

private:
    QTranslator translator_;
};

} // namespace daxo::test
