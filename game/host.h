#pragma once
// Everything the rules ask of the window around them at once. The shell
// realises it on the main window; trelmo-sim and the tests realise it
// without one. What takes time (sounds, waits, dialogs, questions, the end
// of the program) is not asked here: the rules stop with a request for it
// (game/steps.h). The rules see nothing else of the platform.
#include "game/shapes.h"
#include "resources/ids.h"

// The seven child buttons of the main window.
enum Button {
    SpeedUpButton,
    SpeedDownButton,
    RowsUpButton,
    RowsDownButton,
    StartButton,
    PauseButton,
    OptionsButton,
};
constexpr int kButtonCount = 7;

// The buttons as the headless driver's trace and the tests name them.
constexpr const char* kButtonNames[] = {"SpeedUp", "SpeedDown", "RowsUp", "RowsDown", "Start", "Pause", "Options"};

enum SoundId { LockSound = IDR_LOCK_SOUND, RowSound = IDR_ROW_SOUND };

// The painting operations the rules ask for; draw/ realises each one over a
// Surface. PieceDraw and PieceErase paint the shape at the current position
// in the current index; Preview paints it (the catalogue record of the next
// shape) in the preview box; the others ignore the shape.
enum class PaintOp { PieceDraw, PieceErase, Preview, ClearWell, Well, Score, Lines, Speed, StartRows };

// Their names in traces, in the order of the enumeration.
constexpr const char* kPaintOpNames[] = {"piece draw", "piece erase", "preview", "clearwell", "well",
                                         "score",      "lines",       "speed",   "startrows"};

class GameHost {
public:
    // Starts or restarts the periodic gravity timer (id 101); every expiry
    // must run Tick. A restart begins a full new period. Never negative:
    // 0 means as often as the platform allows.
    virtual void ArmGravityTimer(int milliseconds) = 0;
    // No Tick until the timer is armed again.
    virtual void StopGravityTimer() = 0;

    virtual void SetButtonEnabled(Button button, bool enabled) = 0;
    // Makes the pause button read "继续(F3)" while paused, else "暂停(F3)".
    virtual void RefreshPauseLabel() = 0;

    // Paints, on the surface the command holds, from the game state as it
    // stands at the call.
    virtual void Paint(PaintOp op, const ShapeRecord& shape) = 0;

    // The rules' names for the painting operations.
    void PaintPiece(const ShapeRecord& shape, int erase) { Paint(erase ? PaintOp::PieceErase : PaintOp::PieceDraw, shape); }
    void PaintPreview(const ShapeRecord& shape) { Paint(PaintOp::Preview, shape); }
    void ClearWell() { Paint(PaintOp::ClearWell, kEmptyShape); }
    void PaintWell() { Paint(PaintOp::Well, kEmptyShape); }
    void PaintScore() { Paint(PaintOp::Score, kEmptyShape); }
    void PaintLines() { Paint(PaintOp::Lines, kEmptyShape); }
    void PaintSpeed() { Paint(PaintOp::Speed, kEmptyShape); }
    void PaintStartRows() { Paint(PaintOp::StartRows, kEmptyShape); }

protected:
    ~GameHost() = default;
};
