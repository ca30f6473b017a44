#pragma once

class Clock;
class Dialogs;
class InputMethodSwitch;
class MediaPlayer;
class RandomSource;
class UrlOpener;

// What the windows need from outside the program, handed to every window at creation. The
// program runs on one set of real services; tests build a Platform from fakes.
struct Platform
{
    MediaPlayer &media;
    UrlOpener &urls;
    Clock &clock;
    RandomSource &random;
    Dialogs &dialogs;
    InputMethodSwitch &inputMethod;
};
