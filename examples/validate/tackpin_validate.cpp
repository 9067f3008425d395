// tackpin-validate MODULE [--level N] [--seed S]: the validator on its own.
#include "examples/validate/validator.h"

int main(int argc, char** argv) {
    return validate::Main({argv[0]}, std::vector<std::string>(argv + 1, argv + argc));
}
