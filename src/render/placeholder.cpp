// Placeholder until this layer has its first source file.
