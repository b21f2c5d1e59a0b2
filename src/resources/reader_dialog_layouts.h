#pragma once

#include "ui/dialog_template.h"

namespace tc::resources {

// Control identifiers of the coupon code setting (COUPON_CODE_2D).
namespace coupon_setting_ids {
inline constexpr int kGroup = 2201;
inline constexpr int kUpcACheck = 2202;
inline constexpr int kEan13Check = 2203;
}  // namespace coupon_setting_ids

// Control identifiers of the coupon code content (COUPON_CODE_CONTENT); OK is "Proceed". Each
// line has a mark in front that is hidden until the dialog shows it.
namespace coupon_content_ids {
inline constexpr int kCouponGroup = 2211;
inline constexpr int kUpcACouponMark = 2212;
inline constexpr int kUpcACouponLine = 2213;
inline constexpr int kEan13CouponMark = 2214;
inline constexpr int kEan13CouponLine = 2215;
inline constexpr int kDecodingGroup = 2216;
inline constexpr int kUpcAMark = 2217;
inline constexpr int kUpcALine = 2218;
inline constexpr int kEan13Mark = 2219;
inline constexpr int kEan13Line = 2220;
inline constexpr int kGs1128Mark = 2221;
inline constexpr int kGs1128Line = 2222;
}  // namespace coupon_content_ids

// Control identifiers of the coupon code note (COUPON_CODE_NOTE).
namespace coupon_note_ids {
inline constexpr int kFirstLine = 2231;
inline constexpr int kSecondLine = 2232;
}  // namespace coupon_note_ids

// Control identifiers of the RFID reader setting (RFIDPARAMDLG).
namespace rfid_ids {
inline constexpr int kUidCheck = 2301;
inline constexpr int kUserDataCheck = 2302;
inline constexpr int kStartLabel = 2303;
inline constexpr int kStartEdit = 2304;
inline constexpr int kLengthLabel = 2305;
inline constexpr int kLengthEdit = 2306;
inline constexpr int kLengthUnit = 2307;
inline constexpr int kDelimiterLabel = 2308;
inline constexpr int kDelimiterField = 2309;
}  // namespace rfid_ids

// Control identifiers of the 2D image capture parameters (IMAGECAPTUREDLG_2D).
namespace image_capture_ids {
inline constexpr int kIlluminationCheck = 2401;
inline constexpr int kAutoexposureCheck = 2402;
inline constexpr int kGainLabel = 2403;
inline constexpr int kGainEdit = 2404;
inline constexpr int kExposureLabel = 2405;
inline constexpr int kExposureList = 2406;
inline constexpr int kAimPatternCheck = 2407;
inline constexpr int kResolutionLabel = 2408;
inline constexpr int kResolutionList = 2409;
inline constexpr int kFormatLabel = 2410;
inline constexpr int kFormatList = 2411;
inline constexpr int kOptimizedCheck = 2412;
inline constexpr int kQualityLabel = 2413;
inline constexpr int kQualityEdit = 2414;
inline constexpr int kSizeLabel = 2415;
inline constexpr int kSizeEdit = 2416;
inline constexpr int kBitsLabel = 2417;
inline constexpr int kBitsList = 2418;
inline constexpr int kStoreLabel = 2419;
inline constexpr int kStoreEdit = 2420;
inline constexpr int kAutoNameCheck = 2421;
inline constexpr int kFileTitleLabel = 2422;
inline constexpr int kFileTitleEdit = 2423;
inline constexpr int kNamingRuleCheck = 2424;
}  // namespace image_capture_ids

const ui::DialogTemplate& coupon_setting_layout();
const ui::DialogTemplate& coupon_content_layout();
const ui::DialogTemplate& coupon_note_layout();
const ui::DialogTemplate& rfid_dialog_layout();
const ui::DialogTemplate& image_capture_layout();

}  // namespace tc::resources
