#pragma once

// Command ids of the toolbar and the shortcuts. Each QAction carries its id as data.
enum CommandId : int
{
    ID_MODE_LETTERS = 32771,
    ID_MODE_NUMBERS = 32772,
    ID_MODE_SHAPES = 32773,
    ID_SETTINGS = 32774,
    ID_CREDITS = 32776,
    ID_MODE_WORDS = 32777,
    ID_MODE_ADDITION = 32778,
    ID_MODE_SUBTRACTION = 32779,
    ID_MODE_BIRD = 32781,
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_SAVE = 57603,
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_PASTE = 57637,
    ID_EDIT_UNDO = 57643,
    ID_APP_ABOUT = 57664,
    ID_HELP_FINDER = 57667,
    ID_CONTEXT_HELP = 57669,
    ID_HELP = 57670,
    ID_DEFAULT_HELP = 57671,
    ID_NEXT_PANE = 57680,
    ID_PREV_PANE = 57681,
};

// Play modes, index into the view's activities.
enum PlayMode : int
{
    MODE_SHAPES = 0,
    MODE_LETTERS = 1,
    MODE_NUMBERS = 2,
    MODE_WORDS = 3,
    MODE_ADDITION = 4,
    MODE_SUBTRACTION = 5,
    MODE_BIRD = 6,
    MODE_COUNT = 7,
};

// A private event the play view counts as a key that makes a character. Nothing in the
// program posts it: under the keyboard lock keys still reach the view as ordinary key events.
constexpr int kKeyPressEvent = 1579;
