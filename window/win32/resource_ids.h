// Identities of the window program's resources, menu item and controls, shared
// by the resource script, the window and the tests that drive it. None is 1 or
// 2 (IDOK, IDCANCEL), so that Enter and Escape in an edit box do nothing.
#pragma once

#define IDI_FIND_MINIMAL_PAIRS 101 /* the program's icon */
#define IDR_FORM1_MENU 102         /* Form1's menu bar */
#define IDM_MNUHELP 40001          /* mnuHelp, the Help command */

#define IDC_TEXT1_LABEL 1001 /* hidden label that names Text1 for screen readers */
#define IDC_TEXT1 1002
#define IDC_TEXT2_LABEL 1003
#define IDC_TEXT2 1004
#define IDC_COMMAND1 1005
