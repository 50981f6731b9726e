#include "input/InputGrid.h"

#include "core/BodyTableChecks.h"
#include "core/TCelObjCollection.h"
#include "input/BodyPictures.h"

std::vector<TCelObjData> TMyGrid::TableRows() const
{
    std::vector<TCelObjData> rows;
    rows.reserve(size_t(rowCount()));
    for (int row = 0; row < rowCount(); ++row)
        rows.push_back(rowData(row));
    return rows;
}

std::vector<TCelObjData> TMyGrid::BodyRecords() const
{
    std::vector<TCelObjData> records;
    for (int row = 0; row < rowCount() && !cellText(row, NameCol).isEmpty(); ++row)
        records.push_back(rowData(row));
    return records;
}

void TMyGrid::ConvertToDefaultLocale()
{
    std::vector<TCelObjData> rows = TableRows();
    ::ConvertToDefaultLocale(rows, m_locale);
    for (int row = 0; row < rowCount(); ++row)
        setRowTexts(row, rows[size_t(row)]);
}

bool TMyGrid::GridDataOK()
{
    if (::GridDataOK(TableRows(), m_locale))
        return true;
    // The user corrects the texts in place.
    setFocus(Qt::OtherFocusReason);
    return false;
}

void TMyGrid::ReadGridDataIntoCelObjCollection(TCelObjCollection &aCelObj2DColl)
{
    for (const TCelObjData &record : BodyRecords()) {
        aCelObj2DColl.CelObjDataList.push_back(record);
        aCelObj2DColl.AddCelObjToCollection(record, m_locale);
    }
}

bool TMyGrid::TransferToCollection(TCelObjCollection &aCelObj2DColl)
{
    ConvertToDefaultLocale();
    if (!GridDataOK())
        return false;
    aCelObj2DColl.RemoveAllObjects();
    aCelObj2DColl.CelObjDataList.clear();
    ReadGridDataIntoCelObjCollection(aCelObj2DColl);
    return true;
}

void TMyGrid::DataFromSimDataToGrid(const TSimulationData &aSimulationData)
{
    const std::vector<TCelObjData> &records = aSimulationData.CelObjDataList;
    setRowCountAndHeight(int(records.size()));
    for (int row = 0; row < rowCount(); ++row) {
        const TCelObjData &record = records[size_t(row)];
        setRowData(row, record);
        showPicture(row, BodyPictures::pictureOrDisc(m_objectsFolder, QString::fromStdString(record.aName),
                                                     record.aColor, RowHeight));
    }
}
