#pragma once
// A workbook written by hand, as a spreadsheet would: the parts an .xlsx needs around a sheet's
// rows and its shared strings. For the tests and the benchmarks of the class-list reader.
#include "logique/xlsx/ArchiveZip.h"

namespace ClasseurEcrit {
// `lignes`: the sheet's <row> elements; `partages`: its shared strings' <si> items.
inline void xlsx(const QString& nom, const QByteArray& lignes, const QByteArray& partages = {}) {
    const QByteArray ns = "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"";
    const QByteArray rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    ArchiveZipEcriture::remplace(
        nom, {},
        {{"xl/workbook.xml", "<workbook " + ns + " xmlns:r=\"" + rel +
                                 "\"><sheets><sheet name=\"Élèves\" "
                                 "sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>"},
         {"xl/_rels/workbook.xml.rels", "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                                        "<Relationship Id=\"rId1\" Type=\"" +
                                            rel +
                                            "/worksheet\" Target=\"worksheets/sheet1.xml\"/>"
                                            "<Relationship Id=\"rId2\" Type=\"" +
                                            rel +
                                            "/sharedStrings\" Target=\"/xl/sharedStrings.xml\"/>"
                                            "</Relationships>"},
         {"xl/worksheets/sheet1.xml", "<worksheet " + ns + "><sheetData>" + lignes + "</sheetData></worksheet>"},
         {"xl/sharedStrings.xml", "<sst " + ns + ">" + partages + "</sst>"}});
}
}  // namespace ClasseurEcrit
