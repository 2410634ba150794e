#pragma once

// The fixed identifiers of the main window's controls. The calculator addresses the controls by
// these numbers; the window layout in shell/ creates them.
namespace tarvix::ids {

// Panels (grey rectangles behind the other controls).
inline constexpr int kTitlePanel = 175;
inline constexpr int kUnitsPanel = 176;
inline constexpr int kQuantityPanel = 177;
inline constexpr int kResultsPanel = 178;
inline constexpr int kInputsPanel = 179;
inline constexpr int kMaterialPanel = 180;
inline constexpr int kShapePanel = 181;
inline constexpr int kModePanel = 182;
inline constexpr int kTrackerPanel = 263;
inline constexpr int kWindowButtonsPanel = 312;

// Window buttons.
inline constexpr int kHide = 183;
inline constexpr int kClose = 184;
inline constexpr int kGuide = 315;

// Material.
inline constexpr int kMaterialList = 185;
inline constexpr int kFamilyMetal = 240;
inline constexpr int kFamilyPlastic = 241;
inline constexpr int kFamilyWood = 242;
inline constexpr int kFamilyOther = 243;
inline constexpr int kFamilyUser = 244;
inline constexpr int kDensityDisplay = 259;
inline constexpr int kDensityEntry = 260;
inline constexpr int kDensityUnit = 261;
inline constexpr int kDensityIndicator = 262;

// Shape options.
inline constexpr int kHexagonal = 186;
inline constexpr int kOctagonal = 187;
inline constexpr int kRectangularBar = 188;
inline constexpr int kSquareBar = 189;
inline constexpr int kRound = 190;
inline constexpr int kRoundOdId = 191;
inline constexpr int kRoundOdWall = 192;
inline constexpr int kSquareTube = 193;
inline constexpr int kRectangularTube = 194;
inline constexpr int kSphere = 195;
inline constexpr int kHollowSphere = 196;
inline constexpr int kPyramid = 197;
inline constexpr int kCone = 198;
inline constexpr int kConeFrustum = 199;
inline constexpr int kSphericalCap = 200;
inline constexpr int kTorus = 290;
inline constexpr int kAngles = 292;
inline constexpr int kChannels = 293;
inline constexpr int kPipe = 294;
inline constexpr int kIBeams = 295;

// Shape group captions and the section list.
inline constexpr int kSolidBarCaption = 237;
inline constexpr int kTubingCaption = 238;
inline constexpr int kShapesCaption = 239;
inline constexpr int kFabricationsCaption = 306;
inline constexpr int kSectionList = 303;
inline constexpr int kSectionTitle2 = 304;
inline constexpr int kSectionTitle1 = 305;
// Chooses the family of sections the section list offers; the built-in table comes first.
inline constexpr int kSectionFamily = 340;

// Dimension inputs 1 to 6, their captions and markers.
inline constexpr int kInput[6] = {201, 202, 203, 204, 205, 206};
inline constexpr int kLowerCaption[6] = {207, 209, 211, 213, 215, 217};
inline constexpr int kUpperCaption[6] = {208, 210, 212, 214, 216, 218};
inline constexpr int kInputMarker[6] = {219, 220, 221, 222, 223, 224};

// Results.
inline constexpr int kVolume = 225;
inline constexpr int kWeight = 226;
inline constexpr int kTotal = 227;
inline constexpr int kVolumeUpper = 228;
inline constexpr int kVolumeCaption = 229;
inline constexpr int kWeightUpper = 230;
inline constexpr int kWeightCaption = 231;
inline constexpr int kTotalUpper = 232;
inline constexpr int kTotalCaption = 233;

// Quantity.
inline constexpr int kQuantityLabel = 234;
inline constexpr int kQuantity = 235;
inline constexpr int kQuantityMarker = 236;

// Units and decimals.
inline constexpr int kInches = 245;
inline constexpr int kFeet = 246;
inline constexpr int kMillimeters = 247;
inline constexpr int kMeters = 248;
inline constexpr int kUnitsSelector = 252;
inline constexpr int kInputsCaption = 253;
inline constexpr int kOutputsCaption = 254;
inline constexpr int kTitle = 255;
inline constexpr int kTrackerCheck = 307;
inline constexpr int kDecimals1 = 308;
inline constexpr int kDecimals2 = 309;
inline constexpr int kDecimals3 = 310;
inline constexpr int kDecimalsLabel = 311;

// Input modes and the known-value field.
inline constexpr int kDefaultMode = 249;
inline constexpr int kKnownVolumeMode = 250;
inline constexpr int kKnownWeightMode = 251;
inline constexpr int kKnownCaption = 256;
inline constexpr int kKnownMarker = 257;
inline constexpr int kKnownValue = 258;

// Assembly tracker panel.
inline constexpr int kTrackerCaption = 264;
inline constexpr int kItemList = 265;
inline constexpr int kItemMaterial = 266;
inline constexpr int kItemMaterialLabel = 267;
inline constexpr int kItemQuantity = 268;
inline constexpr int kItemQuantityLabel = 269;
inline constexpr int kItemVolume = 270;
inline constexpr int kItemVolumeLabel = 271;
inline constexpr int kItemWeight = 272;
inline constexpr int kItemWeightLabel = 273;
inline constexpr int kGroupWeight = 274;
inline constexpr int kGroupWeightLabel = 275;
inline constexpr int kAssemblyWeight = 276;
inline constexpr int kAssemblyWeightLabel = 277;
inline constexpr int kAssemblyVolume = 278;
inline constexpr int kAssemblyVolumeLabel = 279;
inline constexpr int kClear = 280;
inline constexpr int kItemPlus = 281;
inline constexpr int kSolid = 282;
inline constexpr int kZero = 283;
inline constexpr int kQtyPlus = 284;
inline constexpr int kQtyMinus = 285;
inline constexpr int kItemMinus = 286;
inline constexpr int kCavity = 287;
inline constexpr int kView = 288;
inline constexpr int kPrint = 313;
inline constexpr int kSave = 314;

// The view window's own controls.
inline constexpr int kViewList = 300;
inline constexpr int kViewClose = 301;
inline constexpr int kViewHide = 302;

}  // namespace tarvix::ids
