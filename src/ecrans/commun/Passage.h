#pragma once
// The passage from one screen to the next: a still picture of the screen being left covers the
// display while the program hides it and shows the next one, so the pupil never sees a bare
// desktop between two screens. The picture goes a moment after the next screen is shown.
class QWidget;

class Passage final {
public:
    // Covers the screen being left (the visible top-level window of `ecran`), if it is shown.
    explicit Passage(QWidget* ecran);
    ~Passage();
    Passage(const Passage&) = delete;
    Passage& operator=(const Passage&) = delete;

private:
    QWidget* couverture_ = nullptr;
};
