// Creating report objects for stream records: the built-in classes by ObjectType and add-in
// classes by their registered class name.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "report/View.h"

namespace report {

using ViewFactory = std::function<std::unique_ptr<View>()>;

// Registers an add-in class under its exact class name (a later registration replaces it).
void registerAddIn(const std::string& className, ViewFactory factory);
void unregisterAddIn(const std::string& className);
bool isAddInRegistered(const std::string& className);
std::vector<std::string> registeredAddIns();

// Creates the built-in class of an ObjectType 0..4; nullptr for other types.
std::unique_ptr<View> createBuiltInObject(int objectType);
// Creates a registered add-in; nullptr when the class is not registered.
std::unique_ptr<View> createAddIn(const std::string& className);

// How a stored add-in class name is understood before the lookup.
struct AddInClass {
    std::string name;        // the class to look up
    bool plainMemo = false;  // create a memo (type 0) instead
    int trailingBytes = 0;   // bytes to drop after the body
};
AddInClass translateAddInClass(const std::string& storedName);

// Creation serial numbers run for the whole program.
int nextCreationSerial();

}  // namespace report
