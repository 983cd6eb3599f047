#pragma once
// Reads printed codes back the way a counter's scanner would: zbarimg on an
// image, pdftoppm first for a PDF's first page.

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <string>

namespace orelle::testing {

inline bool HaveCodeTools() {
    return !QStandardPaths::findExecutable("zbarimg").isEmpty() &&
           !QStandardPaths::findExecutable("pdftoppm").isEmpty();
}

// What a tool printed, trimmed; empty when it failed.
inline std::string ToolOutput(const char* tool, const QStringList& args) {
    QProcess p;
    p.start(QString::fromLatin1(tool), args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed().toStdString();
}

// Every code zbarimg finds in the image, one a line.
inline std::string ReadCodes(const QImage& image, const std::string& png) {
    image.save(QString::fromStdString(png));
    return ToolOutput("zbarimg", {"--raw", "-q", QString::fromStdString(png)});
}

inline std::string ReadPdfCodes(const std::string& pdf) {
    ToolOutput("pdftoppm", {"-r", "200", "-singlefile", "-png", QString::fromStdString(pdf),
                            QString::fromStdString(pdf)});
    return ToolOutput("zbarimg", {"--raw", "-q", QString::fromStdString(pdf + ".png")});
}

}  // namespace orelle::testing
