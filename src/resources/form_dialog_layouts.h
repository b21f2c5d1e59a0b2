#pragma once

#include "ui/dialog_template.h"

namespace tc::resources {

// Control identifiers of the Properties dialog (FORMPROPERTIESDLG).
namespace properties_ids {
inline constexpr int kFormLabel = 1301;
inline constexpr int kFormNumber = 1302;
inline constexpr int kLineLabel = 1303;
inline constexpr int kLineNumber = 1304;
inline constexpr int kFixedLengthCheck = 1305;
inline constexpr int kFixedLengthEdit = 1306;
inline constexpr int kAlignmentList = 1307;
inline constexpr int kInitialCheck = 1308;
inline constexpr int kInitialEdit = 1309;
inline constexpr int kPrefixCheck = 1310;
inline constexpr int kPrefixField = 1311;
inline constexpr int kSuffixCheck = 1312;
inline constexpr int kSuffixField = 1313;
inline constexpr int kInputMarkCheck = 1314;
inline constexpr int kInputMarkEdit = 1315;
inline constexpr int kDecimalLabel = 1316;
inline constexpr int kDecimalList = 1317;
inline constexpr int kBarcodeGroup = 1318;
inline constexpr int kPartialCheck = 1319;
inline constexpr int kStartLabel = 1320;
inline constexpr int kStartEdit = 1321;
inline constexpr int kPartialLengthLabel = 1322;
inline constexpr int kPartialLengthEdit = 1323;
inline constexpr int kLeadingCodeCheck = 1324;
inline constexpr int kLeadingCodeEdit = 1325;
inline constexpr int kCheckDigitCheck = 1326;
inline constexpr int kCheckDigitList = 1327;
inline constexpr int kAutoEnterLabel = 1328;
inline constexpr int kAutoEnterList = 1329;
}  // namespace properties_ids

// Control identifiers of the Lookup properties dialog (LOOKUPPROPERTIESDLG).
namespace lookup_properties_ids {
inline constexpr int kFormLabel = 1401;
inline constexpr int kFormNumber = 1402;
inline constexpr int kLineLabel = 1403;
inline constexpr int kLineNumber = 1404;
inline constexpr int kSaveFieldCheck = 1405;
inline constexpr int kFixedLengthCheck = 1406;
inline constexpr int kFixedLengthEdit = 1407;
inline constexpr int kAlignmentList = 1408;
inline constexpr int kPrefixCheck = 1409;
inline constexpr int kPrefixField = 1410;
inline constexpr int kSuffixCheck = 1411;
inline constexpr int kSuffixField = 1412;
}  // namespace lookup_properties_ids

// Control identifiers of the Image properties dialog (IMAGEPROPERTIESDLG).
namespace image_properties_ids {
inline constexpr int kFormLabel = 1501;
inline constexpr int kFormNumber = 1502;
inline constexpr int kLineLabel = 1503;
inline constexpr int kLineNumber = 1504;
inline constexpr int kEditPathCheck = 1505;
inline constexpr int kSavePathCheck = 1506;
inline constexpr int kCheckPathCheck = 1507;
inline constexpr int kFixedLengthCheck = 1508;
inline constexpr int kFixedLengthEdit = 1509;
inline constexpr int kAlignmentList = 1510;
inline constexpr int kInitialPathCheck = 1511;
inline constexpr int kInitialPathEdit = 1512;
inline constexpr int kInputMarkCheck = 1513;
inline constexpr int kInputMarkEdit = 1514;
}  // namespace image_properties_ids

// Control identifiers of the date and time stamp dialog (TIMESTAMPDLG).
namespace time_stamp_ids {
inline constexpr int kPositionLabel = 1601;
inline constexpr int kPositionList = 1602;
inline constexpr int kSplitCheck = 1603;
inline constexpr int kDateGroup = 1604;
inline constexpr int kYearCheck = 1605;
inline constexpr int kYearDigitsList = 1606;
inline constexpr int kMonthCheck = 1607;
inline constexpr int kDayCheck = 1608;
inline constexpr int kDateSeparatorCheck = 1609;
inline constexpr int kDateSeparatorEdit = 1610;
inline constexpr int kDateStyleLabel = 1611;
inline constexpr int kDateStyleList = 1612;
inline constexpr int kTimeGroup = 1613;
inline constexpr int kHourCheck = 1614;
inline constexpr int kMinuteCheck = 1615;
inline constexpr int kSecondCheck = 1616;
inline constexpr int kTimeSeparatorCheck = 1617;
inline constexpr int kTimeSeparatorEdit = 1618;
}  // namespace time_stamp_ids

// Control identifiers of the Advanced dialog (ADVANCEDLG).
namespace advanced_ids {
inline constexpr int kReadOnceCheck = 1701;
inline constexpr int kExportRenameCheck = 1702;
inline constexpr int kExportNameEdit = 1703;
inline constexpr int kExtensionLabel = 1704;
inline constexpr int kAutoExportCheck = 1705;
inline constexpr int kSaveModeLabel = 1706;
inline constexpr int kOverwriteRadio = 1707;
inline constexpr int kAppendRadio = 1708;
inline constexpr int kAutoDeleteCheck = 1709;
inline constexpr int kMsqiCheck = 1710;
}  // namespace advanced_ids

const ui::DialogTemplate& properties_dialog_layout();
const ui::DialogTemplate& lookup_properties_dialog_layout();
const ui::DialogTemplate& image_properties_dialog_layout();
const ui::DialogTemplate& time_stamp_dialog_layout();
const ui::DialogTemplate& advanced_dialog_layout();

}  // namespace tc::resources
