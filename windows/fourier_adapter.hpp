#pragma once

// Placeholder until the window is built.
class FourierAdapter {};
