// What the run dialog says when the shell cannot open a command line.
#pragma once

#include <cstdint>
#include <string>

namespace velmora {

// The shell's result counts as success from 32 on, 32 itself included.
bool IsShellSuccess(std::uintptr_t result);

// The German explanation of a shell error code; empty for codes without one.
std::string ShellErrorExplanation(std::uintptr_t code);

// "Die Datei "<text>" (oder eine ihrer Komponenten) wurde nicht gefunden..."
std::string ShellFailurePrefix(const std::string& text);

// The prefix, followed by CR CR and the explanation when there is one.
std::string ShellFailureMessage(const std::string& text, std::uintptr_t code);

}  // namespace velmora
