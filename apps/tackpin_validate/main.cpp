// tackpin-validate MODULE [--level N] [--seed S]: the validator on its own.
#include "apps/tackpin_validate/validator.h"

int main(int argc, char** argv) {
    return validate::Main({argv[0]}, std::vector<std::string>(argv + 1, argv + argc));
}
