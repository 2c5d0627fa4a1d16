// The private messages through which pages, buttons, the main menu and the
// frame ask the main view to navigate, play, print or quit. Each is
// WM_USER + n; the numbers are fixed.
#pragma once

#include "platform/Types.h"

using platform::UINT;
using platform::WM_USER;

inline constexpr UINT VM_DETAILED_START = 1025; // set the detailed flag; show the checklist
inline constexpr UINT VM_NET_WORTH_BACK = 1026; // back from the assets worksheet
inline constexpr UINT VM_SHOW_LIABILITIES = 1027;
inline constexpr UINT VM_SHOW_ASSETS = 1028;
inline constexpr UINT VM_SHOW_NET_WORTH = 1029;
inline constexpr UINT VM_BACK_TO_LIABILITIES = 1030;
inline constexpr UINT VM_CHOOSER_MAN2 = 1031;
inline constexpr UINT VM_CHOOSER_MAN3 = 1032;
inline constexpr UINT VM_BUDGET_RESULTS = 1033;
inline constexpr UINT VM_SHOW_AVERAGE_BUDGET = 1034;
inline constexpr UINT VM_BUDGET_DETAILED = 1035;
inline constexpr UINT VM_AVERAGE_BUDGET_DONE = 1036; // return from the average budget
inline constexpr UINT VM_BUDGET_QUICK = 1037;
inline constexpr UINT VM_BUDGET_RESULTS_DONE = 1038; // return from the budget results
inline constexpr UINT VM_QUICK_START = 1039;
inline constexpr UINT VM_SAVE_MORE_DONE = 1040; // return from how to save more
inline constexpr UINT VM_APP_EXIT = 1041;
inline constexpr UINT VM_TOPTEN_CLOSED = 1042; // side button 8 back to normal
inline constexpr UINT VM_RESET_HOVER = 1044;   // hovered side buttons back to rest
inline constexpr UINT VM_CHECKLIST_BACK = 1046;
inline constexpr UINT VM_DETAILED_ASSETS = 1047;
inline constexpr UINT VM_SHOW_SAVE_MORE = 1048;
inline constexpr UINT VM_LESSON_EMER = 1049;
inline constexpr UINT VM_SHOW_EMERGENCIES = 1050;
inline constexpr UINT VM_CHOOSER_MAN4 = 1051;
inline constexpr UINT VM_LESSON_PLAN = 1052;
inline constexpr UINT VM_LESSON_PCONS = 1053;
inline constexpr UINT VM_SHOW_COST = 1054;
inline constexpr UINT VM_SURVEY_HABITS = 1055;
inline constexpr UINT VM_SHOW_DEBT = 1056;
inline constexpr UINT VM_TEXT_RATINGS = 1057;
inline constexpr UINT VM_LESSON_AVOID = 1058;
inline constexpr UINT VM_TEXT_OBTAIN = 1059;
inline constexpr UINT VM_CHOOSER_CRED2 = 1060;
inline constexpr UINT VM_CHOOSER_CRED3 = 1061;
inline constexpr UINT VM_CHOOSER_CRED4 = 1062;
inline constexpr UINT VM_SECTION_MAN2 = 1063;
inline constexpr UINT VM_SECTION_MAN3 = 1064;
inline constexpr UINT VM_SECTION_MAN4 = 1065;
inline constexpr UINT VM_SPENDING_RESULTS = 1078;
inline constexpr UINT VM_BORROWING_BACK = 1079;
inline constexpr UINT VM_INTRO = 1080;
inline constexpr UINT VM_LESSON_HABITS = 1082;
inline constexpr UINT VM_INTRO_AGAIN = 1083;
inline constexpr UINT VM_TEXT_HOWZEM1 = 1084;
inline constexpr UINT VM_SURVEY_VALUES = 1085;
inline constexpr UINT VM_SURVEY_SPENDING = 1086;
inline constexpr UINT VM_CHOOSER_FIN2 = 1087;
inline constexpr UINT VM_CHOOSER_FIN3 = 1088;
inline constexpr UINT VM_LESSON_AGENCY = 1089;
inline constexpr UINT VM_BORROWING_RESULTS = 1090;
inline constexpr UINT VM_DEBT_RESULTS = 1091;
inline constexpr UINT VM_REALITY_RESULTS = 1093;
inline constexpr UINT VM_LESSON_REDUCING = 1094;
inline constexpr UINT VM_TOPTEN = 1095;
inline constexpr UINT VM_SHOW_RISK_INPUT = 1097;
inline constexpr UINT VM_CHART_GROWTH = 1098;
inline constexpr UINT VM_LESSON_GOAL = 1099;
inline constexpr UINT VM_SHOW_GOALS = 1100;
inline constexpr UINT VM_CHART_DWINDLE = 1101;
inline constexpr UINT VM_LESSON_INVEST = 1102;
inline constexpr UINT VM_CHOOSER_PLAN2 = 1103;
inline constexpr UINT VM_CHOOSER_PLAN3 = 1104;
inline constexpr UINT VM_CHOOSER_PLAN4 = 1105;
inline constexpr UINT VM_SURVEY_SAVER = 1106;
inline constexpr UINT VM_RISK_RESULTS = 1107;
inline constexpr UINT VM_CHART_MEET = 1110;
inline constexpr UINT VM_ENTER_MODULE = 1112;
inline constexpr UINT VM_MOVED = 1113;
inline constexpr UINT VM_PLAY_VIDEO = 1114;
inline constexpr UINT VM_TOPTEN_NEW = 1115;  // side button 8 to its new state
inline constexpr UINT VM_TOPTEN_SEEN = 1116; // side button 8 to normal
inline constexpr UINT VM_TEXT_HOWZEM2 = 1117;
inline constexpr UINT VM_VIDEO_SEEN = 1118; // side button 9 to normal
inline constexpr UINT VM_VIDEO_NEW = 1119;  // side button 9 to its new state
inline constexpr UINT VM_SURVEY_VALUES_LAST = 1120;
inline constexpr UINT VM_SURVEY_SAVER_LAST = 1121;
inline constexpr UINT VM_SURVEY_HABITS_LAST = 1122;
inline constexpr UINT VM_SURVEY_SPENDING_LAST = 1123;
inline constexpr UINT VM_SHOW_MAIN_MENU = 1125;
inline constexpr UINT VM_VIDEO_CLOSED = 1126;
inline constexpr UINT VM_SURVEY_SAVER_AGAIN = 1127; // the risk result's back: its last statement page
inline constexpr UINT VM_EXIT_SCREEN = 1128;
inline constexpr UINT VM_RETURN = 1129;
inline constexpr UINT VM_OPEN_QOR_PAGE = 1131;
inline constexpr UINT VM_HIDE_PAGES = 1133;
inline constexpr UINT VM_PALETTE = 1135;
inline constexpr UINT VM_ACTIVATE = 1143;
inline constexpr UINT VM_DEACTIVATE = 1145;
inline constexpr UINT VM_TOPTEN_NEXT = 1146;

// Print requests: the number names the report.
inline constexpr UINT VM_PRINT_NET_WORTH = 1096;
inline constexpr UINT VM_PRINT_CHECKLIST = 1108;
inline constexpr UINT VM_PRINT_BORROWING = 1132;
inline constexpr UINT VM_PRINT_COST = 1134;
inline constexpr UINT VM_PRINT_DEBT = 1136;
inline constexpr UINT VM_PRINT_AVERAGE_BUDGET = 1137;
inline constexpr UINT VM_PRINT_LESSON = 1138;
inline constexpr UINT VM_PRINT_GROWTH = 1139;
inline constexpr UINT VM_PRINT_SAVE_MORE = 1140;
inline constexpr UINT VM_PRINT_GOALS = 1141;
inline constexpr UINT VM_PRINT_BUDGET_RESULTS = 1142;
inline constexpr UINT VM_PRINT_SPENDING = 1148;
inline constexpr UINT VM_PRINT_REALITY = 1149;
inline constexpr UINT VM_PRINT_RISK = 1150;

// Messages between a page and its own controls.
inline constexpr UINT WM_FIELD_CHANGED = WM_USER + 85; // 1109: a money field's text changed
inline constexpr UINT WM_FIELD_LEFT = WM_USER + 19;    // 1043: a money field lost the focus
inline constexpr UINT WM_CALC_TRANSFER = WM_USER + 17; // 1041: the calculator wrote its result
inline constexpr UINT WM_CALC_CANCEL = WM_USER + 18;   // 1042: the calculator was cancelled
inline constexpr UINT WM_DETAIL_CLOSED = WM_USER + 22; // 1046: the detail panel closed on the page's box
