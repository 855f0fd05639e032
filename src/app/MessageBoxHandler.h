#pragma once

/**
 * Shows the core's messages in real message boxes over the active window,
 * with the icon and buttons asked for.
 */
class MessageBoxHandler
{
public:
    static void install();
};
