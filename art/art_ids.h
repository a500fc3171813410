/* Resource numbers of the generated artwork. Read by the resource compiler and by
   the programs, so plain macros. Each window has a background and four full-window
   state images for its buttons: normal, hover, pressed (also selected), disabled. */
#pragma once

#define IDI_TESH_APP 1
#define IDI_TESH_HAND 2
#define TESH_HAND_HOTSPOT_X 10
#define TESH_HAND_HOTSPOT_Y 2

/* Main window of the configuration application. */
#define IDB_MAIN_NORMAL 401
#define IDB_MAIN_HOVER 402
#define IDB_MAIN_PRESSED 403
#define IDB_MAIN_DISABLED 404
#define IDB_MAIN_BACKGROUND IDB_MAIN_NORMAL
#define IDB_MOUSE_TYPE 427
/* The language button's flags, one per language index, side by side. */
#define IDB_LANGUAGE_FLAGS 430
#define TESH_FLAG_WIDTH 32
#define TESH_FLAG_HEIGHT 17
/* The main settings page and its DPI rows. */
#define IDB_MAIN_PAGE_NORMAL 410
#define IDB_MAIN_PAGE_HOVER 411
#define IDB_MAIN_PAGE_PRESSED 412
#define IDB_MAIN_PAGE_DISABLED 413
#define IDB_DPI_ROW_NORMAL 414
#define IDB_DPI_ROW_HOVER 415
#define IDB_DPI_ROW_PRESSED 416
#define IDB_DPI_ROW_DISABLED 417
#define IDB_DPI_ROW_ACTIVE 418
#define IDB_DPI_TRACK 419
#define IDB_DPI_THUMB 420
#define IDB_TRACK_SENSITIVITY 421
#define IDB_TRACK_SPEED 422
#define IDB_TRACK_DOUBLE_CLICK 423
/* The profile dialog. */
#define IDB_PROFILE_DIALOG_NORMAL 440
#define IDB_PROFILE_DIALOG_HOVER 441
#define IDB_PROFILE_DIALOG_PRESSED 442
#define IDB_PROFILE_DIALOG_DISABLED 443
/* The button assignment page. */
#define IDB_BUTTON_PAGE_NORMAL 450
#define IDB_BUTTON_PAGE_HOVER 451
#define IDB_BUTTON_PAGE_PRESSED 452
#define IDB_BUTTON_PAGE_DISABLED 453

/* Upgrader: its window and its four notices. */
#define IDB_UPGRADE_NORMAL 501
#define IDB_UPGRADE_HOVER 502
#define IDB_UPGRADE_PRESSED 503
#define IDB_UPGRADE_DISABLED 504
#define IDB_UPGRADE_BACKGROUND IDB_UPGRADE_NORMAL
#define IDB_CONFIRM_NORMAL 511
#define IDB_CONFIRM_HOVER 512
#define IDB_CONFIRM_PRESSED 513
#define IDB_CONFIRM_DISABLED 514
#define IDB_CONFIRM_BACKGROUND IDB_CONFIRM_NORMAL
#define IDB_DRIVER_NORMAL 521
#define IDB_DRIVER_HOVER 522
#define IDB_DRIVER_PRESSED 523
#define IDB_DRIVER_DISABLED 524
#define IDB_DRIVER_BACKGROUND IDB_DRIVER_NORMAL
#define IDB_FAILURE_NORMAL 531
#define IDB_FAILURE_HOVER 532
#define IDB_FAILURE_PRESSED 533
#define IDB_FAILURE_DISABLED 534
#define IDB_FAILURE_BACKGROUND IDB_FAILURE_NORMAL
#define IDB_SUCCESS_NORMAL 541
#define IDB_SUCCESS_HOVER 542
#define IDB_SUCCESS_PRESSED 543
#define IDB_SUCCESS_DISABLED 544
#define IDB_SUCCESS_BACKGROUND IDB_SUCCESS_NORMAL

/* Parts of the controls shared by every window. */
#define IDB_SPIN_NORMAL 601
#define IDB_SPIN_HOVER 602
#define IDB_SPIN_PRESSED 603
#define IDB_SPIN_DISABLED 604
#define IDB_SLIDER_TRACK 610
#define IDB_SLIDER_THUMB 611
#define IDB_SCROLL_PARTS 620 /* up, down, track, thumb: 14 x 14 each, side by side */
#define TESH_SCROLL_PART_SIZE 14

/* The confirmation and message dialogs that every program may show. */
#define IDB_MESSAGE_CONFIRM_NORMAL 700
#define IDB_MESSAGE_CONFIRM_HOVER 701
#define IDB_MESSAGE_CONFIRM_PRESSED 702
#define IDB_MESSAGE_CONFIRM_DISABLED 703
#define IDB_MESSAGE_NOTE_NORMAL 704
#define IDB_MESSAGE_NOTE_HOVER 705
#define IDB_MESSAGE_NOTE_PRESSED 706
#define IDB_MESSAGE_NOTE_DISABLED 707

/* The skin gallery. */
#define IDB_GALLERY_NORMAL 901
#define IDB_GALLERY_HOVER 902
#define IDB_GALLERY_PRESSED 903
#define IDB_GALLERY_DISABLED 904
#define IDB_GALLERY_BACKGROUND IDB_GALLERY_NORMAL
