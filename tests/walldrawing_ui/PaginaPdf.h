#pragma once
// A printer that writes one page of the given paper and orientation into a
// PDF file, at the printer's high resolution, as the drawing tests print.

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

namespace tavo::test {

inline void ImpostaPaginaPdf(QPrinter& stampante, const QString& pdf, QPageSize::PageSizeId carta,
                             bool orizzontale) {
    stampante.setOutputFormat(QPrinter::PdfFormat);
    stampante.setOutputFileName(pdf);
    stampante.setPageSize(QPageSize(carta));
    stampante.setPageOrientation(orizzontale ? QPageLayout::Landscape : QPageLayout::Portrait);
}

}  // namespace tavo::test
