// Numbers of the texts in the language module Lang.dll. Every visible text of
// Option (except its window title) and the tray tip and menu of Helper are
// fetched by number with LoadString into a buffer of kTextBufferLength
// characters; code names them with the constants below and never spells a
// bare number. The English texts themselves are in Lang.rc, which uses the
// same numbers and names each entry's constant in a comment.
//
// Each list entry is X(constant, number). The lists are grouped the way
// Lang.rc is; MOUSE_TEXTS(X) runs through all of them. A number that two
// places share (the OK and Cancel buttons of the dialogs, for example) has
// one constant.
//
// Portable: no Windows header, usable by the native core and its tests.
#pragma once

// Helper: tray icon and its right-click menu.
#define MOUSE_TEXTS_TRAY(X)                                               \
  X(kTextTrayOpen, 1100) /* menu item that opens Option (default item) */ \
  X(kTextTrayExit, 1101) /* menu item that ends Helper */                 \
  X(kTextTrayTip, 1102)  /* tip of the tray icon, cut to 127 characters */

// Option, main window: buttons, captions and the painted lighting legend.
#define MOUSE_TEXTS_MAIN(X)                                                    \
  X(kTextMainProgram, 105)      /* button: program tied to the profile */      \
  X(kTextMainImport, 106)       /* button: import a profile file */            \
  X(kTextMainExport, 107)       /* button: export the profile */               \
  X(kTextEdit, 108)             /* button: rename the profile; also the */     \
                                /* capture button of the keystroke page */     \
  X(kTextMainOk, 117)           /* button: apply, then close */                \
  X(kTextMainApply, 118)        /* button: apply */                            \
  X(kTextMainCancel, 119)       /* button: close without applying */           \
  X(kTextLightingCaption, 400)  /* caption over the lighting mode buttons */   \
  X(kTextLightingModeA, 401)    /* legend: lighting mode A */                  \
  X(kTextLightingModeB, 402)    /* legend: lighting mode B */                  \
  X(kTextLightingOff, 403)      /* legend: lighting off */                     \
  X(kTextColourCaption, 404)    /* caption over the colour buttons */          \
  X(kTextColourNone, 405)       /* legend: colour button 0, no fixed colour */ \
  X(kTextColourRed, 406)        /* legend, drawn in red */                     \
  X(kTextColourYellow, 407)     /* legend, drawn in yellow */                  \
  X(kTextColourBlue, 408)       /* legend, drawn in blue */                    \
  X(kTextColourMagenta, 409)    /* legend, drawn in magenta */                 \
  X(kTextColourGreen, 410)      /* legend, drawn in green */                   \
  X(kTextColourCyan, 411)       /* legend, drawn in cyan */                    \
  X(kTextMainSettings, 420)     /* button: show the settings page */           \
  X(kTextLanguageCaption, 1186) /* caption beside the language button */       \
  X(kTextProfileCaption, 1187)  /* caption over the profile selector */

// Option, left column: the tab bars (tabs 0..3 before a button is picked,
// 0..7 after).
#define MOUSE_TEXTS_TABS(X)                                              \
  X(kTextTabHome, 412)           /* tab 0: start page */                 \
  X(kTextTabPerformance, 413)    /* tab 1: sensitivity and speed page */ \
  X(kTextTabSystem, 414)         /* tab 2: Windows pointer page */       \
  X(kTextTabButtons, 415)        /* tab 3: start page, pick a button */  \
  X(kTextTabMouseFunctions, 416) /* tab 4: mouse functions */            \
  X(kTextTabKeystroke, 417)      /* tab 5: shortcut capture */           \
  X(kTextTabMacros, 418)         /* tab 6: macro manager */              \
  X(kTextTabMoreFunctions, 419)  /* tab 7: more functions */

// Option, mouse picture: the captions of the button slots and the two
// labels that name the selected slot's factory function.
#define MOUSE_TEXTS_LAYOUT(X)                                                \
  X(kTextDefaultFunctionLabel, 1601) /* label before the default function */ \
  X(kTextSlotLeft, 1800)             /* slot 0 */                            \
  X(kTextSlotRight, 1801)            /* slot 1 */                            \
  X(kTextSlotBack, 1803)             /* slot 3 */                            \
  X(kTextSlotForward, 1804)          /* slot 4 */                            \
  X(kTextSlotCpi, 1805)              /* slot 5 */                            \
  X(kTextSlotExtra, 1806)            /* slots 6 to 12 */                     \
  X(kTextSlotMiddle, 1807)           /* slot 2 */                            \
  X(kTextSlotWheelUp, 1808)          /* slot 13 */                           \
  X(kTextSlotWheelDown, 1809)        /* slot 14 */

// Option, mouse functions chooser: list headings and entries. The entries
// also name the function codes (the code is given for each).
#define MOUSE_TEXTS_MOUSE_FUNCTIONS(X)                          \
  X(kTextMouseListButtons, 1202)     /* heading of list 1 */    \
  X(kTextFuncLeftClick, 1203)        /* code 1 */               \
  X(kTextFuncRightClick, 1204)       /* code 2 */               \
  X(kTextFuncMiddleClick, 1205)      /* code 3 */               \
  X(kTextFuncBack, 1206)             /* code 7 */               \
  X(kTextFuncForward, 1207)          /* code 8 */               \
  X(kTextFuncDoubleClick, 1208)      /* code 4 */               \
  X(kTextFuncDisabled, 1209)         /* codes 0 and 6 */        \
  X(kTextFuncTripleClick, 1210)      /* code 21 */              \
  X(kTextMouseListScrolling, 1211)   /* heading of list 2 */    \
  X(kTextFuncScrollUp, 1212)         /* code 9 */               \
  X(kTextFuncScrollDown, 1213)       /* code 10 */              \
  X(kTextFuncScrollLeft, 1214)       /* code 11 */              \
  X(kTextFuncScrollRight, 1215)      /* code 12 */              \
  X(kTextMouseListProfiles, 1216)    /* heading of list 3 */    \
  X(kTextFuncProfileNext, 1217)      /* code 18 */              \
  X(kTextFuncProfilePrevious, 1218)  /* code 19 */              \
  X(kTextFuncProfileCycle, 1219)     /* code 20 */              \
  X(kTextMouseListCpi, 1220)         /* heading of list 4 */    \
  X(kTextFuncCpiUp, 1221)            /* code 13 */              \
  X(kTextFuncCpiDown, 1222)          /* code 14 */              \
  X(kTextFuncCpiCycle, 1223)         /* code 15 */              \
  X(kTextMouseListOther, 1224)       /* heading of list 5 */    \
  X(kTextFuncOpenSettings, 1225)     /* code 24 */              \
  X(kTextFuncRapidFire, 1226)        /* code 22 */              \
  X(kTextFuncPollingRateCycle, 1227) /* code 23, not offered */ \
  X(kTextFuncSensitivityUp, 1228)    /* code 43, not offered */ \
  X(kTextFuncSensitivityDown, 1229)  /* code 44, not offered */

// Option, more functions chooser: fixed shortcuts, program launch, web,
// media and other functions.
#define MOUSE_TEXTS_MORE_FUNCTIONS(X)                                      \
  X(kTextKeyListWindows, 1302)    /* heading of list 1 */                  \
  X(kTextKeyAltTab, 1303)         /* Alt+Tab */                            \
  X(kTextKeyAltF4, 1304)          /* Alt+F4 */                             \
  X(kTextKeyWinL, 1305)           /* Win+L */                              \
  X(kTextKeyWinR, 1306)           /* Win+R */                              \
  X(kTextKeyWinD, 1307)           /* Win+D */                              \
  X(kTextFuncRunProgram, 1308)    /* code 17, opens the program chooser */ \
  X(kTextFuncDisableButton, 1309) /* code 6 */                             \
  X(kTextKeyListEditing, 1310)    /* heading of list 2 */                  \
  X(kTextKeyCtrlX, 1311)                                                   \
  X(kTextKeyCtrlC, 1312)                                                   \
  X(kTextKeyCtrlV, 1313)                                                   \
  X(kTextKeyCtrlA, 1314)                                                   \
  X(kTextKeyCtrlF, 1315)                                                   \
  X(kTextKeyCtrlN, 1316)                                                   \
  X(kTextKeyCtrlP, 1317)                                                   \
  X(kTextKeyCtrlS, 1318)                                                   \
  X(kTextKeyCtrlZ, 1319)                                                   \
  X(kTextKeyListWeb, 1320)        /* heading of list 3 */                  \
  X(kTextFuncWebBack, 1321)       /* code 42 */                            \
  X(kTextFuncWebForward, 1322)    /* code 41 */                            \
  X(kTextFuncWebRefresh, 1323)    /* code 37 */                            \
  X(kTextFuncWebStop, 1324)       /* code 36 */                            \
  X(kTextFuncWebHome, 1325)       /* code 38 */                            \
  X(kTextFuncWebSearch, 1326)     /* code 40 */                            \
  X(kTextFuncFavourites, 1327)    /* code 35 */                            \
  X(kTextFuncEmail, 1328)         /* code 34 */                            \
  X(kTextFuncExplorer, 1329)      /* code 39 */                            \
  X(kTextFuncCalculator, 1330)    /* code 33 */                            \
  X(kTextKeyListMedia, 1331)      /* heading of list 4 */                  \
  X(kTextFuncMediaPlayer, 1332)   /* code 25 */                            \
  X(kTextFuncPreviousTrack, 1333) /* code 26 */                            \
  X(kTextFuncNextTrack, 1334)     /* code 27 */                            \
  X(kTextFuncPlayPause, 1335)     /* code 28 */                            \
  X(kTextFuncMediaStop, 1336)     /* code 29 */                            \
  X(kTextFuncVolumeUp, 1337)      /* code 30 */                            \
  X(kTextFuncVolumeDown, 1338)    /* code 31 */                            \
  X(kTextFuncMute, 1339)          /* code 32 */

// Option, keystroke page: the modifier toggles (its capture button is
// kTextEdit, its reset button kTextResetToDefault).
#define MOUSE_TEXTS_KEYSTROKE(X)                              \
  X(kTextModifierHeading, 601) /* heading over the toggles */ \
  X(kTextModifierNone, 602)    /* toggle: no modifier */      \
  X(kTextModifierShift, 603)                                  \
  X(kTextModifierCtrl, 604)                                   \
  X(kTextModifierAlt, 605)                                    \
  X(kTextModifierWin, 606)

// Option, macro manager: page texts and buttons.
#define MOUSE_TEXTS_MACROS(X)                                             \
  X(kTextMacroListHeading, 202)   /* over the macro list */               \
  X(kTextMacroEventsHeading, 203) /* over the event list */               \
  X(kTextMacroRecord, 204)        /* record button, idle */               \
  X(kTextMacroStop, 205)          /* record button while recording */     \
  X(kTextMacroRecordDelays, 206)  /* label of the record-delays toggle */ \
  X(kTextMacroRepeat, 207)        /* label of the repeat toggle */        \
  X(kTextMacroNew, 208)           /* button: new macro */                 \
  X(kTextMacroDelete, 209)        /* buttons: delete macro, delete event */

// Option, macro manager: the popup menu of the event list.
#define MOUSE_TEXTS_MACRO_MENU(X)                                  \
  X(kTextMenuRecordBefore, 1700)                                   \
  X(kTextMenuRecordAfter, 1701)                                    \
  X(kTextMenuInsertDelay, 1702)                                    \
  X(kTextMenuEdit, 1703) /* edit a delay line */                   \
  X(kTextMenuDelete, 1704)                                         \
  X(kTextMenuMouseButton, 1705) /* submenu of the mouse buttons */ \
  X(kTextMenuLeftButton, 1706)                                     \
  X(kTextMenuRightButton, 1707)                                    \
  X(kTextMenuMiddleButton, 1708)                                   \
  X(kTextMenuButton4, 1709)                                        \
  X(kTextMenuButton5, 1710)                                        \
  X(kTextMenuPress, 1711)                                          \
  X(kTextMenuRelease, 1712)                                        \
  X(kTextMenuClick, 1713)

// Option, sensitivity and speed page. The CPI level rows take their names
// from 906 + their control id (500..503).
#define MOUSE_TEXTS_PERFORMANCE(X)                                    \
  X(kTextSensitivityHeading, 1402)                                    \
  X(kTextSensitivityX, 1403)    /* beside the X slider */             \
  X(kTextSensitivityY, 1404)    /* beside the Y slider */             \
  X(kTextSensitivityLink, 1405) /* beside the X/Y lock button */      \
  X(kTextCpiLevel1, 1406)       /* CPI level rows 0..3 */             \
  X(kTextCpiLevel2, 1407)                                             \
  X(kTextCpiLevel3, 1408)                                             \
  X(kTextCpiLevel4, 1409)                                             \
  X(kTextPollingRateHeading, 1410)                                    \
  X(kTextPollingRate0, 1411) /* polling-rate buttons 0..3 */          \
  X(kTextPollingRate1, 1412)                                          \
  X(kTextPollingRate2, 1413)                                          \
  X(kTextPollingRate3, 1414)                                          \
  X(kTextOtgSpeedHeading, 1415)                                       \
  X(kTextOtgSpeedLow, 1416)    /* under the left end of the slider */ \
  X(kTextOtgSpeedMiddle, 1417) /* under its middle */                 \
  X(kTextOtgSpeedHigh, 1418)   /* under its right end */

// Option, system page (Windows pointer settings).
#define MOUSE_TEXTS_SYSTEM(X)                                       \
  X(kTextDoubleClickSpeed, 1502)                                    \
  X(kTextPointerSpeed, 1503)                                        \
  X(kTextAcceleration, 1504) /* label of the acceleration toggle */ \
  X(kTextTiltSpeed, 1505)                                           \
  X(kTextScrollSpeed, 1506)                                         \
  X(kTextScrollOneScreen, 1507) /* label of the one-screen toggle */

// Option, settings page.
#define MOUSE_TEXTS_SETTINGS(X)                                             \
  X(kTextSoftwareVersionLabel, 1103) /* before the first version number */  \
  X(kTextHelperVersionLabel, 1104)   /* before the second version number */ \
  X(kTextModelLabel, 1105)           /* before the model string */          \
  X(kTextRestoreHeading, 1106)                                              \
  X(kTextRestoreExplanation, 1107) /* word-wrapped under the heading */     \
  X(kTextWebsiteLabel, 1109)       /* beside the web-page button */         \
  X(kTextRestoreButton, 1110)

// Option, dialogs: program chooser, rename and restore confirmation.
#define MOUSE_TEXTS_DIALOGS(X)                                               \
  X(kTextProgramTitle, 304)    /* program chooser: heading */                \
  X(kTextRenameTitle, 305)     /* rename dialog: heading */                  \
  X(kTextProgramHint, 307)     /* program chooser: word-wrapped hint */      \
  X(kTextDialogOk, 702)        /* OK of all three dialogs */                 \
  X(kTextDialogCancel, 703)    /* Cancel of all three dialogs */             \
  X(kTextRestoreQuestion, 802) /* restore dialog: word-wrapped question */   \
  X(kTextResetToDefault, 903)  /* restore dialog: heading; also the reset */ \
                               /* button of the keystroke page */

#define MOUSE_TEXTS(X)           \
  MOUSE_TEXTS_TRAY(X)            \
  MOUSE_TEXTS_MAIN(X)            \
  MOUSE_TEXTS_TABS(X)            \
  MOUSE_TEXTS_LAYOUT(X)          \
  MOUSE_TEXTS_MOUSE_FUNCTIONS(X) \
  MOUSE_TEXTS_MORE_FUNCTIONS(X)  \
  MOUSE_TEXTS_KEYSTROKE(X)       \
  MOUSE_TEXTS_MACROS(X)          \
  MOUSE_TEXTS_MACRO_MENU(X)      \
  MOUSE_TEXTS_PERFORMANCE(X)     \
  MOUSE_TEXTS_SYSTEM(X)          \
  MOUSE_TEXTS_SETTINGS(X)        \
  MOUSE_TEXTS_DIALOGS(X)

namespace mouse {

// Characters of the buffer every text is loaded into, the NUL included.
inline constexpr int kTextBufferLength = 520;

#define MOUSE_TEXT_ENUMERATOR(name, number) name = number,
enum TextId : unsigned { MOUSE_TEXTS(MOUSE_TEXT_ENUMERATOR) };
#undef MOUSE_TEXT_ENUMERATOR

#define MOUSE_TEXT_ELEMENT(name, number) name,
inline constexpr TextId kAllTextIds[] = {MOUSE_TEXTS(MOUSE_TEXT_ELEMENT)};
#undef MOUSE_TEXT_ELEMENT

// Captions of the fifteen button slots on the mouse picture, by slot.
inline constexpr TextId kTextSlotCaptions[15] = {
    kTextSlotLeft,  kTextSlotRight, kTextSlotMiddle, kTextSlotBack,    kTextSlotForward,
    kTextSlotCpi,   kTextSlotExtra, kTextSlotExtra,  kTextSlotExtra,   kTextSlotExtra,
    kTextSlotExtra, kTextSlotExtra, kTextSlotExtra,  kTextSlotWheelUp, kTextSlotWheelDown};

// Captions of the tabs, by tab number 0..7.
inline constexpr TextId kTextTabCaptions[8] = {
    kTextTabHome,           kTextTabPerformance, kTextTabSystem, kTextTabButtons,
    kTextTabMouseFunctions, kTextTabKeystroke,   kTextTabMacros, kTextTabMoreFunctions};

// Names of the four CPI level rows, by row 0..3.
inline constexpr TextId kTextCpiLevelNames[4] = {kTextCpiLevel1, kTextCpiLevel2, kTextCpiLevel3,
                                                 kTextCpiLevel4};

// The mouse-button submenus of the event list's popup menu, in the order of
// the buttons 0xF1..0xF5, and the three entries of each.
inline constexpr TextId kTextMenuMouseButtons[5] = {kTextMenuLeftButton, kTextMenuRightButton,
                                                    kTextMenuMiddleButton, kTextMenuButton4,
                                                    kTextMenuButton5};
inline constexpr TextId kTextMenuMouseActions[3] = {kTextMenuPress, kTextMenuRelease,
                                                    kTextMenuClick};

}  // namespace mouse
