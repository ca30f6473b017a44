#pragma once
// The platform layer: the thin wrappers over what the program needs from outside it, each an
// interface with one real implementation: the media player (libcanberra), the URL opener (the
// desktop's default handler), the clock (time of day, waits that process events), the random
// generator, the input-method switch (fcitx5 over D-Bus) and the program's own folder. It knows
// no widgets. The windows reach the services through a Platform, which shell's SystemPlatform
// builds from the real ones and tests from fakes (shell/testing).

class Clock;
class Dialogs;
class InputMethodSwitch;
class MediaPlayer;
class RandomSource;
class Speaker;
class UrlOpener;

// What the windows need from outside the program, handed to every window at creation. The message
// box is a widget helper (shell/widgets) but travels here too, so that tests can answer it.
struct Platform
{
    MediaPlayer &media;
    UrlOpener &urls;
    Clock &clock;
    RandomSource &random;
    Dialogs &dialogs;
    InputMethodSwitch &inputMethod;
    Speaker &speaker;
};
